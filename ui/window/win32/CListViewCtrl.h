// List view (report view): one message per method.
#pragma once

#include <commctrl.h>

#include <string>

#include "ui/window/win32/CWindow.h"

class CListViewCtrl : public CWindow {
public:
    using CWindow::CWindow;

    // Attributes
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column))); }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    std::wstring GetItemText(int item, int subItem) const;

    // Operations
    DWORD SetExtendedListViewStyle(DWORD style) const
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style));
    }
    // The new column's index, or -1. format: LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER.
    int InsertColumn(int column, const std::wstring& title, int width, int format = LVCFMT_LEFT) const
    {
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        c.fmt = format;
        c.cx = width;
        c.pszText = const_cast<wchar_t*>(title.c_str());
        c.iSubItem = column;
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c)));
    }
    bool DeleteColumn(int column) const { return SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(column)) != FALSE; }
    bool SetColumnWidth(int column, int width) const
    {
        return SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != FALSE;
    }
    // The new item's index, or -1.
    int InsertItem(int item, const std::wstring& text) const
    {
        LVITEMW i{};
        i.mask = LVIF_TEXT;
        i.iItem = item;
        i.pszText = const_cast<wchar_t*>(text.c_str());
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&i)));
    }
    bool SetItemText(int item, int subItem, const std::wstring& text) const
    {
        LVITEMW i{};
        i.iSubItem = subItem;
        i.pszText = const_cast<wchar_t*>(text.c_str());
        return SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&i)) != FALSE;
    }
    bool DeleteItem(int item) const { return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item)) != FALSE; }
    bool DeleteAllItems() const { return SendMessage(LVM_DELETEALLITEMS) != FALSE; }
    bool EnsureVisible(int item, bool partialOk = false) const
    {
        return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk ? TRUE : FALSE) != FALSE;
    }
};

inline std::wstring CListViewCtrl::GetItemText(int item, int subItem) const
{
    // LVM_GETITEMTEXT gives the count copied; a full buffer may mean a longer text.
    std::wstring text(128, L'\0');
    for (;;) {
        LVITEMW i{};
        i.iSubItem = subItem;
        i.pszText = text.data();
        i.cchTextMax = static_cast<int>(text.size());
        const int got = static_cast<int>(SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&i)));
        if (got < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
            return text;
        }
        text.resize(text.size() * 2);
    }
}
