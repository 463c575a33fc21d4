// Edit control: one message per method (texts come from CWindow).
#pragma once

#include <string>

#include "ui/window/win32/CWindow.h"

class CEdit : public CWindow {
public:
    using CWindow::CWindow;

    // Attributes
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    int GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }
    // The selection as start and end character positions.
    void GetSel(int& start, int& end) const
    {
        DWORD s = 0;
        DWORD e = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        start = static_cast<int>(s);
        end = static_cast<int>(e);
    }
    int LineIndex(int line) const { return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line))); }

    // Operations
    void LimitText(int characters) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    // start -1 removes the selection; start 0, end -1 selects everything.
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSel(const std::wstring& text, bool canUndo = false) const
    {
        SendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void SetReadOnly(bool readOnly) const { SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
    void LineScroll(int lines) const { SendMessage(EM_LINESCROLL, 0, lines); }
    void ScrollCaret() const { SendMessage(EM_SCROLLCARET); }
};
