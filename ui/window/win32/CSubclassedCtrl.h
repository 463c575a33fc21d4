// A control object that takes over the window procedure of a control made by a
// template (subclassing), for controls that draw or behave in their own way.
// TBase is the thin wrapper it extends (CButton, CProgressBarCtrl, CTabCtrl...).
//
// The derived control overrides OnMessage like a dialog does and calls
// DefaultProc for what it leaves to the control's own procedure. Owner-drawn
// controls receive their WM_DRAWITEM reflected from the dialog as
// ReflectedMessage(WM_DRAWITEM) (return TRUE when drawn).
#pragma once

#include <windows.h>

#include <commctrl.h>

// Messages a dialog hands back to the control they are about.
constexpr UINT kReflectedMessageBase = WM_USER + 0x1C00;
constexpr UINT ReflectedMessage(UINT message) { return kReflectedMessageBase + message; }

template <class TBase>
class CSubclassedCtrl : public TBase {
public:
    using TBase::TBase;
    CSubclassedCtrl() = default;
    CSubclassedCtrl(const CSubclassedCtrl&) = delete;
    CSubclassedCtrl& operator=(const CSubclassedCtrl&) = delete;
    virtual ~CSubclassedCtrl() { UnsubclassWindow(); }

    // Operations
    // Attaches to the control and routes its messages through OnMessage.
    bool SubclassWindow(HWND hwnd)
    {
        if (!hwnd || !::SetWindowSubclass(hwnd, &CSubclassedCtrl::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
            return false;
        this->Attach(hwnd);
        return true;
    }
    void UnsubclassWindow()
    {
        if (HWND hwnd = this->Detach())
            ::RemoveWindowSubclass(hwnd, &CSubclassedCtrl::Procedure, kSubclassId);
    }

protected:
    // Overridables
    // Every message of the control: true when handled, with its result.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    // The control's own handling of a message.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::DefSubclassProc(this->m_hWnd, message, wParam, lParam);
    }

private:
    static constexpr UINT_PTR kSubclassId = 0x4B56;

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        auto* self = reinterpret_cast<CSubclassedCtrl*>(data);
        if (message == WM_NCDESTROY) {
            ::RemoveWindowSubclass(hwnd, &CSubclassedCtrl::Procedure, kSubclassId);
            self->Detach();
            return ::DefSubclassProc(hwnd, message, wParam, lParam);
        }
        LRESULT result = 0;
        if (self->OnMessage(message, wParam, lParam, result))
            return result;
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
};
