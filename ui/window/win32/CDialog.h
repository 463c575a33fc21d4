// A dialog from a template of the current interface language, modal or modeless,
// with its messages dispatched in one virtual function per class.
//
// A derived dialog overrides OnMessage with a switch over the messages it handles and
// passes every other message to its base class's OnMessage; the base handles
// WM_INITDIALOG (OnInitDialog), WM_COMMAND (OnCommand: IDOK is OnOK, IDCANCEL OnCancel)
// and reflects WM_DRAWITEM to the owner-drawn control (see CSubclassedCtrl). Registered
// messages and WM_TIMER arrive there like any other. Messages sent before WM_INITDIALOG
// (the template's WM_SETFONT) are not dispatched.
#pragma once

#include <windows.h>

#include "ui/window/win32/CWindow.h"

#include <map>
#include <string>
#include <vector>

class CDataExchange;

class CDialog : public CWindow {
public:
    // The parent may be given as a window object whose window exists only later (it is
    // read when the dialog is created) or as a handle; none for a top-level dialog.
    CDialog(UINT templateId, HWND parent = nullptr);
    CDialog(UINT templateId, CWindow* parent);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    // A modeless dialog's window is destroyed with its object.
    virtual ~CDialog();

    // Attributes
    UINT GetTemplateId() const { return m_templateId; }
    bool IsModalRunning() const { return m_modalRunning; }
    // The control with this id. Remembered once found: Wine answers every lookup by id with
    // a server request for the dialog's whole list of children, and the windows look their
    // controls up on every update.
    HWND GetDlgItem(int id) const;
    // The radio buttons of the group that starts with the control firstId, in their order.
    // Remembered too: finding them walks every control up to the next group, one server
    // request each under Wine.
    const std::vector<HWND>& RadioGroup(int firstId) const;

    // Operations
    // Shows or hides, enables or disables a control only when it is not so already: a change
    // that changes nothing still costs the control its messages and, under Wine, server
    // requests. True when the control changed.
    bool ShowItem(int id, bool show) const;
    bool EnableItem(int id, bool enable) const;
    // Runs the dialog modally in a loop of our own, which offers every message to the
    // thread's pre-filter (MessagePreFilter.h) first. The result given to EndDialog; -1
    // when the dialog could not be created (last error set) or a WM_QUIT ended the run
    // (the quit is posted again for the outer loop).
    INT_PTR DoModal();
    // Creates the dialog modeless (a tab page: a child of parent). False (last error
    // set) when it could not be created.
    bool Create(HWND parent);
    // Ends the modal run with the result; a modeless dialog is destroyed.
    void EndDialog(INT_PTR result);
    // Runs DoDataExchange: save true copies the controls into the members (stopping at
    // the first value that fails validation, false), save false fills the controls. An edit
    // or a list announces a text or selection set by the filling as a change; such notices
    // come from the program, not from the person, and do not reach OnCommand.
    bool UpdateData(bool save);

protected:
    // Overridables
    // Every message after WM_INITDIALOG: true when handled, with its result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_COMMAND: a control's notice (code), a menu item or an accelerator (id). True when
    // handled. Here: IDOK and IDCANCEL clicked.
    virtual bool OnCommand(int id, UINT code);
    // Runs UpdateData(false). True lets the platform set the focus.
    virtual bool OnInitDialog();
    // UpdateData(true), then EndDialog(IDOK) when every value was valid.
    virtual void OnOK();
    // EndDialog(IDCANCEL).
    virtual void OnCancel();
    // One function per dialog, both directions (CDataExchange::IsSaving).
    virtual void DoDataExchange(CDataExchange& dx);
    // A value failed validation while saving: beep and focus the control.
    virtual void OnDataValidationFailed(int controlId);

private:
    friend class CDataExchange;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    HWND ParentHandle() const;
    HWND CreateFromTemplate(HWND parent);
    void RunModalLoop();

    UINT m_templateId;
    HWND m_parentHandle = nullptr;
    CWindow* m_parentWindow = nullptr;
    bool m_modalRunning = false;
    bool m_endRequested = false;
    // While UpdateData(false) fills the controls (OnInitDialog's first fill included).
    bool m_filling = false;
    INT_PTR m_result = -1;
    // What CDataExchange::Shown* last put into each display-only control, by control id.
    std::map<int, std::wstring> m_shown;
    // Controls already looked up, by control id.
    mutable std::map<int, HWND> m_items;
    mutable std::map<int, std::vector<HWND>> m_radioGroups;
};
