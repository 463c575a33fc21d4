// The driver's test target: a dialog with one control of each kind the driver handles, each
// showing in a text what the dialog received, so that every driver command has a real check.
#include "TargetIds.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <string>

namespace {

HWND pages[2];
int changes = 0;

void SetText(HWND dialog, int id, const std::wstring& text)
{
    SetDlgItemTextW(dialog, id, text.c_str());
}

std::wstring TextOf(HWND dialog, int id)
{
    wchar_t buffer[512] = L"";
    GetDlgItemTextW(dialog, id, buffer, 512);
    return buffer;
}

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// Shows the page of the selected tab over the tab control's display area: tab 0 the first page,
// every other tab the second.
void ShowPage(HWND dialog)
{
    const HWND tabs = GetDlgItem(dialog, IDC_TABS);
    const int selected = TabCtrl_GetCurSel(tabs);
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    for (int i = 0; i < 2; ++i) {
        SetWindowPos(pages[i], HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     (i == (selected == 0 ? 0 : 1)) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    }
    SetText(dialog, IDC_TABNOTE, L"tab: " + std::to_wstring(selected));
}

void Initialise(HWND dialog)
{
    const HWND combo = GetDlgItem(dialog, IDC_COMBO);
    for (const wchar_t* colour : {L"red", L"green", L"blue"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(colour));
    const HWND tabs = GetDlgItem(dialog, IDC_TABS);
    const wchar_t* titles[] = {L"First", L"Second", L"Third"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(titles[i]);
        TabCtrl_InsertItem(tabs, i, &item);
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    pages[0] = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PAGE_ONE), dialog, PageProc, 0);
    pages[1] = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PAGE_TWO), dialog, PageProc, 0);
    ShowPage(dialog);
    const HWND list = GetDlgItem(dialog, IDC_LIST);
    const wchar_t* headers[] = {L"Name", L"Value"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 90;
        column.pszText = const_cast<wchar_t*>(headers[i]);
        ListView_InsertColumn(list, i, &column);
    }
    const wchar_t* rows[][2] = {{L"alpha", L"1"}, {L"beta", L"2"}};
    for (int row = 0; row < 2; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row][0]);
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, row, 1, const_cast<wchar_t*>(rows[row][1]));
    }
    const HMENU menu = GetSystemMenu(dialog, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_SAVE_AS, L"Save as...");
    SendDlgItemMessageW(dialog, IDC_GAUGE, PBM_SETPOS, 42, 0);
    CheckDlgButton(dialog, IDC_CHECK, BST_CHECKED);
}

void OpenFile(HWND dialog)
{
    wchar_t path[MAX_PATH] = L"";
    OPENFILENAMEW open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = L"Firmware (*.fw)\0*.fw\0";
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    SetText(dialog, IDC_PATH, GetOpenFileNameW(&open) ? std::wstring(path) : std::wstring(L"cancelled"));
}

// The "Save As" dialog, with a default extension for a name typed without one.
void SaveFile(HWND dialog)
{
    wchar_t path[MAX_PATH] = L"";
    OPENFILENAMEW save = {};
    save.lStructSize = sizeof save;
    save.hwndOwner = dialog;
    save.lpstrFilter = L"Settings (*.json)\0*.json\0";
    save.lpstrFile = path;
    save.nMaxFile = MAX_PATH;
    save.lpstrDefExt = L"json";
    save.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    SetText(dialog, IDC_PATH, GetSaveFileNameW(&save) ? L"saved " + std::wstring(path) : std::wstring(L"cancelled"));
}

void Command(HWND dialog, int id, int code)
{
    switch (id) {
    case IDC_ASK:
        SetText(dialog, IDC_ANSWER,
                MessageBoxW(dialog, L"Really ask?\r\nSecond line.", L"Driver target", MB_YESNO | MB_ICONQUESTION) == IDYES ? L"yes" : L"no");
        break;
    case IDC_OPEN:
        OpenFile(dialog);
        break;
    case IDC_EDIT:
        if (code == EN_CHANGE)
            SetText(dialog, IDC_CHANGES, L"changes: " + std::to_wstring(++changes));
        else if (code == EN_KILLFOCUS)
            SetText(dialog, IDC_LEFT, L"left: " + TextOf(dialog, IDC_EDIT));
        break;
    case IDC_COMBO:
        if (code == CBN_SELCHANGE)
            SetText(dialog, IDC_CHOSEN, TextOf(dialog, IDC_COMBO));
        break;
    case IDC_FILL:
        SendDlgItemMessageW(dialog, IDC_GAUGE, PBM_SETPOS, 100, 0);
        break;
    case IDC_MODS: {
        std::wstring held;
        for (const auto& [key, name] : {std::pair{VK_CONTROL, L"ctrl "}, {VK_MENU, L"alt "}, {VK_SHIFT, L"shift "}})
            if (GetAsyncKeyState(key) & 0x8000)
                held += name;
        SetText(dialog, IDC_MODTEXT, held.empty() ? L"none" : held.substr(0, held.size() - 1));
        break;
    }
    case IDCANCEL:
        if (MessageBoxW(dialog, L"Quit the target?", L"Driver target", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            DestroyWindow(dialog);
        break;
    }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog);
        return TRUE;
    case WM_COMMAND:
        Command(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_SAVE_AS)
            return FALSE;
        SaveFile(dialog);
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->idFrom == IDC_TABS && reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
            ShowPage(dialog);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_TARGET), nullptr, DialogProc, 0);
    ShowWindow(dialog, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // F4 is taken before the dialog's own keys, with the Ctrl state of the moment it is
        // handled, as the product's key filter does.
        if (message.message == WM_KEYDOWN && message.wParam == VK_F4) {
            SetText(dialog, IDC_KEYS, (GetAsyncKeyState(VK_CONTROL) & 0x8000) ? L"ctrl+F4" : L"F4");
            continue;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
