// Combo box: one message per method.
#pragma once

#include <string>

#include "ui/window/win32/CWindow.h"

class CComboBox : public CWindow {
public:
    using CWindow::CWindow;

    // Attributes
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    // CB_ERR (-1) without a selection.
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // Height of the items (index 0 and up) or of the selection field (-1).
    int GetItemHeight(int index) const { return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index))); }
    // The whole control as it stands dropped down, in screen coordinates.
    RECT GetDroppedControlRect() const
    {
        RECT r{};
        SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    bool GetDroppedState() const { return SendMessage(CB_GETDROPPEDSTATE) != FALSE; }
    std::wstring GetLBText(int index) const;
    LRESULT GetItemData(int index) const { return SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)); }

    // Operations
    // The new item's index, or CB_ERR / CB_ERRSPACE.
    int AddString(const std::wstring& text) const
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int InsertString(int index, const std::wstring& text) const
    {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
    }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    // -1 clears the selection; CB_ERR for an index out of range.
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int FindStringExact(const std::wstring& text, int after = -1) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text.c_str())));
    }
    int SetItemData(int index, LPARAM data) const { return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), data)); }
    void ShowDropDown(bool show) const { SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
};

inline std::wstring CComboBox::GetLBText(int index) const
{
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}
