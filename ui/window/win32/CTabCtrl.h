// Tab control: one message per method.
#pragma once

#include <commctrl.h>

#include <iterator>
#include <string>

#include "ui/window/win32/CWindow.h"

class CTabCtrl : public CWindow {
public:
    using CWindow::CWindow;

    // Attributes
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    // -1 without a selection.
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    RECT GetItemRect(int index) const
    {
        RECT r{};
        SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    std::wstring GetItemText(int index) const;

    // Operations
    // The new item's index, or -1.
    int InsertItem(int index, const std::wstring& text) const
    {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        return static_cast<int>(SendMessage(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    }
    bool DeleteItem(int index) const { return SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index)) != FALSE; }
    bool DeleteAllItems() const { return SendMessage(TCM_DELETEALLITEMS) != FALSE; }
    // The previous selection, or -1.
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    // larger false: a window rectangle becomes its display area; true: the reverse.
    void AdjustRect(bool larger, RECT& r) const
    {
        SendMessage(TCM_ADJUSTRECT, larger ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r));
    }
};

inline std::wstring CTabCtrl::GetItemText(int index) const
{
    wchar_t buffer[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    if (!SendMessage(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return {};
    return item.pszText ? std::wstring(item.pszText) : std::wstring();
}
