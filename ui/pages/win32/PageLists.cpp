// The drop-down lists of the settings pages.
#include "ui/pages/win32/PageLists.h"

#include "protocol/ValueCodes.h"
#include "runtime/ResourceText.h"

namespace {

// Some value names are longer than the field; the dropped list shows them whole.
void WidenDroppedList(const CComboBox& list)
{
    HDC dc = GetDC(list);
    if (!dc)
        return;
    HGDIOBJ old = SelectObject(dc, list.GetFont());
    int widest = 0;
    for (int i = 0; i < list.GetCount(); ++i) {
        const std::wstring text = list.GetLBText(i);
        SIZE size{};
        if (GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size) && size.cx > widest)
            widest = size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    // Item margins and, for a list longer than its drop, the scroll bar.
    const int width = widest + 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL) + 8;
    list.SendMessage(CB_SETDROPPEDWIDTH, WPARAM(width));
}

} // namespace

bool RebuildValueSourceList(const CComboBox& list, unsigned count)
{
    if (list.GetCount() == int(count))
        return false;
    list.ResetContent();
    for (unsigned code = 0; code < count; ++code)
        list.AddString(ValueCodeName(code));
    WidenDroppedList(list);
    return true;
}

void FillConditionKinds(const CComboBox& list, const ConditionKindNames& names)
{
    list.ResetContent();
    for (unsigned id : names)
        list.AddString(LoadResourceText(id));
}
