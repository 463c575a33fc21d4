#include "ControlItems.h"

#include "DriverTarget.h"
#include "RemoteMemory.h"
#include "WideText.h"
#include "WindowCalls.h"

#include <commctrl.h>

namespace {

constexpr int ItemTextLimit = 1024; // characters of one item text read back

void RequireClass(HWND control, const wchar_t* className, const char* what)
{
    if (!IsClass(control, className))
        throw CDriverFailure(Describe(control) + " is a " + ClassOf(control) + ", not " + what);
}

} // namespace

std::vector<std::string> ComboItems(HWND combo)
{
    RequireClass(combo, L"ComboBox", "a combo box");
    std::vector<std::string> items;
    const LRESULT count = CallWindow(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = CallWindow(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR)
            throw CDriverFailure(Describe(combo) + " has no item " + std::to_string(i));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied = CallWindow(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
        items.push_back(Narrow(text));
    }
    return items;
}

std::vector<std::string> TabItems(HWND tabs)
{
    RequireClass(tabs, WC_TABCONTROLW, "a tab control");
    const LRESULT count = CallWindow(tabs, TCM_GETITEMCOUNT, 0, 0);
    CRemoteMemory memory(tabs, sizeof(TCITEMW) + ItemTextLimit * sizeof(wchar_t));
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof item));
        item.cchTextMax = ItemTextLimit;
        memory.Write(&item, sizeof item);
        const wchar_t empty = L'\0';
        memory.Write(&empty, sizeof empty, sizeof item);
        if (!CallWindow(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), memory.At()))
            throw CDriverFailure(Describe(tabs) + " did not give tab " + std::to_string(i));
        wchar_t text[ItemTextLimit] = L"";
        memory.Read(text, sizeof text - sizeof(wchar_t), sizeof item);
        items.push_back(Narrow(text));
    }
    return items;
}

std::vector<std::string> ListViewRows(HWND list)
{
    RequireClass(list, WC_LISTVIEWW, "a list view");
    const LRESULT rows = CallWindow(list, LVM_GETITEMCOUNT, 0, 0);
    const HWND header = reinterpret_cast<HWND>(CallWindow(list, LVM_GETHEADER, 0, 0));
    const LRESULT headerColumns = header ? CallWindow(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    const LRESULT columns = headerColumns > 0 ? headerColumns : 1;
    CRemoteMemory memory(list, sizeof(LVITEMW) + ItemTextLimit * sizeof(wchar_t));
    std::vector<std::string> items;
    for (LRESULT row = 0; row < rows; ++row) {
        std::string joined;
        for (LRESULT column = 0; column < columns; ++column) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iSubItem = static_cast<int>(column);
            item.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof item));
            item.cchTextMax = ItemTextLimit;
            memory.Write(&item, sizeof item);
            const LRESULT length = CallWindow(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), memory.At());
            wchar_t text[ItemTextLimit] = L"";
            if (length > 0)
                memory.Read(text, static_cast<size_t>(length < ItemTextLimit ? length : ItemTextLimit - 1) * sizeof(wchar_t), sizeof item);
            if (column > 0)
                joined += '\t';
            joined += Narrow(text);
        }
        items.push_back(joined);
    }
    return items;
}

long SelectedIndex(HWND control)
{
    if (IsClass(control, L"ComboBox"))
        return static_cast<long>(CallWindow(control, CB_GETCURSEL, 0, 0));
    if (IsClass(control, L"ListBox"))
        return static_cast<long>(CallWindow(control, LB_GETCURSEL, 0, 0));
    if (IsClass(control, WC_TABCONTROLW))
        return static_cast<long>(CallWindow(control, TCM_GETCURSEL, 0, 0));
    if (IsClass(control, WC_LISTVIEWW))
        return static_cast<long>(CallWindow(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    throw CDriverFailure(Describe(control) + " is a " + ClassOf(control) + ", which has no selection");
}
