// The value list: a one-column report list view whose rows alternate value names and values.
#pragma once

#include <windows.h>

#include <string>

#include "ui/pages/ValueRows.h"
#include "ui/window/win32/CListViewCtrl.h"

class CValueListCtrl : public CListViewCtrl, public CValueRows {
public:
    CValueListCtrl() = default;

    // Operations
    // Grid lines, full-row selection and the one column headed "name/data".
    void SetUpColumn() const;
    // The column spans the client area, leaving room for a vertical scroll bar.
    void FitColumn() const;

protected:
    int RowCount() const override { return GetItemCount(); }
    std::wstring RowText(int row) const override { return GetItemText(row, 0); }
    void SetRowText(int row, const std::wstring& text) override { SetItemText(row, 0, text); }
    void AppendRow(const std::wstring& text) override { InsertItem(GetItemCount(), text); }
    void DeleteRow(int row) override { DeleteItem(row); }

private:
    int ColumnWidth() const;
};
