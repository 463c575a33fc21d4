// The value list.
#include "ui/pages/win32/CValueListCtrl.h"

#include "runtime/ResourceText.h"
#include "ui/resources/resource.h"

void CValueListCtrl::SetUpColumn() const
{
    SetExtendedListViewStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const std::wstring title = LoadResourceText(IDS_LIST_VALUE_NAME) + L"/" + LoadResourceText(IDS_LIST_VALUE_DATA);
    InsertColumn(0, title, ColumnWidth(), LVCFMT_LEFT);
}

void CValueListCtrl::FitColumn() const
{
    SetColumnWidth(0, ColumnWidth());
}

int CValueListCtrl::ColumnWidth() const
{
    const RECT client = GetClientRect();
    return client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
}
