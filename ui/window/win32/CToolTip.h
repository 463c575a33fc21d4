// A tooltip window for the controls of one dialog. The texts come from the dialog on
// request: it handles WM_NOTIFY with TTN_GETDISPINFOW (TTN_NEEDTEXTW), finds which
// control asks with ToolControlId and answers with AnswerWithString.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/window/win32/CWindow.h"

class CToolTip : public CWindow {
public:
    CToolTip() = default;
    CToolTip(const CToolTip&) = delete;
    CToolTip& operator=(const CToolTip&) = delete;
    // The tooltip window goes with its dialog (it is an owned window); this only forgets it.
    ~CToolTip() = default;

    // Operations
    // Creates the tooltip window and adds the direct child controls of the dialog whose id
    // hasTip accepts as tools whose text the dialog gives on request. Only those: a tool's
    // control gets a subclass that every one of its messages passes through. False (last
    // error set) on failure.
    bool Create(HWND dialog, bool (*hasTip)(int controlId));
    // Adds one control (a child of the dialog the tooltip was made for).
    bool AddTool(HWND control);
    void SetMaxTipWidth(int pixels) const { SendMessage(TTM_SETMAXTIPWIDTH, 0, pixels); }
    void SetAutoPopDelay(int milliseconds) const
    {
        SendMessage(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
    }

    // The control id of the tool a text request is about; 0 for a request that is not a
    // text request or whose tool is not a control window.
    static int ToolControlId(const NMHDR& header);
    // Answers a text request with a string-table entry of the current interface language
    // (kept for the life of the process), and sets the asking tooltip's maximum width and
    // automatic hide delay.
    static void AnswerWithString(NMHDR& header, UINT stringId, int maxWidth, int autoPopMilliseconds);

private:
    HWND m_dialog = nullptr;
};
