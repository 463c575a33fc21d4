// A window handle with thin methods: each is one Win32 call or one message, and
// asserts that the window exists. It owns nothing; copying it copies the handle.
#pragma once

#include <windows.h>

#include <cassert>
#include <string>
#include <string_view>

class CWindow {
public:
    CWindow(HWND hwnd = nullptr) : m_hWnd(hwnd) {}

    // Attributes
    HWND GetHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(Checked()); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(Checked(), id); }
    HWND GetParent() const { return ::GetParent(Checked()); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(Checked(), GWL_STYLE); }
    LONG_PTR GetExStyle() const { return ::GetWindowLongPtrW(Checked(), GWL_EXSTYLE); }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(Checked()) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(Checked()) != FALSE; }
    bool IsIconic() const { return ::IsIconic(Checked()) != FALSE; }
    std::wstring GetWindowText() const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(Checked()); }
    // Window rectangle in screen coordinates; client rectangle from (0, 0).
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    // Window rectangle in the client coordinates of another window (its dialog).
    RECT GetWindowRectIn(HWND other) const;
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

    // Operations
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach()
    {
        HWND h = m_hWnd;
        m_hWnd = nullptr;
        return h;
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(Checked(), message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(Checked(), message, wParam, lParam) != FALSE;
    }
    bool SetWindowText(std::wstring_view text) const;
    bool EnableWindow(bool enable) const { return ::EnableWindow(Checked(), enable) != FALSE; }
    bool ShowWindow(int command) const { return ::ShowWindow(Checked(), command) != FALSE; }
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(Checked(), insertAfter, x, y, cx, cy, flags) != FALSE;
    }
    bool SetWindowPos(HWND insertAfter, const RECT& r, UINT flags) const
    {
        return SetWindowPos(insertAfter, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
    }
    void SetFont(HFONT font, bool redraw = true) const
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
    }
    HICON SetIcon(HICON icon, bool big) const
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }
    HWND SetFocus() const { return ::SetFocus(Checked()); }
    bool Invalidate(bool erase = true) const { return ::InvalidateRect(Checked(), nullptr, erase) != FALSE; }
    bool UpdateWindow() const { return ::UpdateWindow(Checked()) != FALSE; }
    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const { return ::SetTimer(Checked(), id, milliseconds, nullptr); }
    bool KillTimer(UINT_PTR id) const { return ::KillTimer(Checked(), id) != FALSE; }
    bool DestroyWindow() const { return ::DestroyWindow(Checked()) != FALSE; }
    // Centred over this window's top-level window (MessageBoxOver).
    int MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) const;

protected:
    HWND Checked() const
    {
        assert(::IsWindow(m_hWnd));
        return m_hWnd;
    }

    HWND m_hWnd = nullptr;
};
