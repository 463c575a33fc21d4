// Dialogs from templates of the interface language, data exchange, tooltips and the
// message pre-filter of our modal loops.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "TestChildDlg.h"
#include "TestMainDlg.h"
#include "WindowTestHelpers.h"
#include "runtime/ResourceText.h"
#include "ui/window/KeyCode.h"
#include "ui/window/win32/CButton.h"
#include "ui/window/win32/CEdit.h"
#include "ui/window/win32/MessagePreFilter.h"

namespace {

TEST(Dialog, TemplatesAndTextsComeInTheInterfaceLanguage)
{
    struct Case {
        unsigned short language;
        const wchar_t* caption;
        const wchar_t* label;
        const wchar_t* firstTab;
    };
    const Case cases[] = {
        {kLangEnglish, L"Zoom test", L"Name:", L"First"},
        {kLangRussian, L"Проверка масштаба", L"Имя:", L"Первая"},
    };
    for (const Case& c : cases) {
        const CLanguageForTest language(c.language);
        CTestMainDlg dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        EXPECT_EQ(dialog.GetWindowText(), c.caption);
        EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_LABEL)).GetWindowText(), c.label);
        EXPECT_EQ(dialog.tab.GetItemText(0), c.firstTab);
    }
}

TEST(Dialog, AMissingTemplateIsAFailureWithItsReason)
{
    CDialog missing(8999);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_FALSE(missing.Create(nullptr));
    EXPECT_FALSE(missing.IsWindow());
}

TEST(Dialog, DataExchangeRunsBothWays)
{
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_EDIT)).GetWindowText(), L"initial") << "loaded at initialisation";
    EXPECT_TRUE(dialog.combo.IsWindow()) << "bound at initialisation";
    EXPECT_TRUE(dialog.tab.IsWindow());

    dialog.text = L"Привет";
    dialog.number = 42;
    dialog.comboIndex = 5;
    dialog.check = 1;
    dialog.radio = 2;
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_EDIT)).GetWindowText(), L"Привет");
    EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_NUMBER)).GetWindowText(), L"42");
    EXPECT_EQ(dialog.combo.GetCurSel(), 5);
    EXPECT_EQ(CButton(dialog.GetDlgItem(IDC_TEST_CHECK)).GetCheck(), BST_CHECKED);
    const int radios[] = {IDC_TEST_RADIO1, IDC_TEST_RADIO2, IDC_TEST_RADIO3};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CButton(dialog.GetDlgItem(radios[i])).IsChecked(), i == 2) << i;

    CWindow(dialog.GetDlgItem(IDC_TEST_EDIT)).SetWindowText(L"edited");
    CWindow(dialog.GetDlgItem(IDC_TEST_NUMBER)).SetWindowText(L" 17 ");
    dialog.combo.SetCurSel(-1);
    CButton(dialog.GetDlgItem(IDC_TEST_CHECK)).SetCheck(BST_UNCHECKED);
    CButton(dialog.GetDlgItem(IDC_TEST_RADIO3)).SetCheck(BST_UNCHECKED);
    CButton(dialog.GetDlgItem(IDC_TEST_RADIO1)).SetCheck(BST_CHECKED);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.text, L"edited");
    EXPECT_EQ(dialog.number, 17);
    EXPECT_EQ(dialog.comboIndex, -1);
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.radio, 0);

    CButton(dialog.GetDlgItem(IDC_TEST_RADIO1)).SetCheck(BST_UNCHECKED);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.radio, -1) << "no button of the group checked";
    EXPECT_TRUE(dialog.validationFailures.empty());
}

TEST(Dialog, ChangeNoticesReachOnCommandOnlyWhenTheyAreNotTheFillings)
{
    using Command = std::pair<int, UINT>;
    // The notices that tell of a changed value (focus notices come and go with the focus).
    const auto changes = [](const std::vector<Command>& commands) {
        std::vector<Command> kept;
        for (const Command& c : commands)
            if (c.second == EN_UPDATE || c.second == EN_CHANGE || c.second == BN_CLICKED)
                kept.push_back(c);
        return kept;
    };
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(changes(dialog.commands), std::vector<Command>{}) << "the first fill, at initialisation";
    dialog.text = L"filled";
    dialog.check = 1;
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_EDIT)).GetWindowText(), L"filled");
    EXPECT_EQ(changes(dialog.commands), std::vector<Command>{}) << "a fill later on";

    // The same edit and button once the filling is over: the person's.
    CWindow(dialog.GetDlgItem(IDC_TEST_EDIT)).SetWindowText(L"typed");
    CButton(dialog.GetDlgItem(IDC_TEST_CHECK)).SendMessage(BM_CLICK);
    const std::vector<Command> expected = {
        {IDC_TEST_EDIT, EN_UPDATE}, {IDC_TEST_EDIT, EN_CHANGE}, {IDC_TEST_CHECK, BN_CLICKED}};
    EXPECT_EQ(changes(dialog.commands), expected);
    dialog.DestroyWindow();
}

TEST(Dialog, RememberedControlsAndRadioGroupsFollowControlsMadeAnew)
{
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    const HWND edit = dialog.GetDlgItem(IDC_TEST_EDIT);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEST_EDIT), edit);

    // A control destroyed and made again under the same id is found anew, a missing one is not found.
    ::DestroyWindow(edit);
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEST_EDIT), nullptr);
    const HWND again = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, dialog, reinterpret_cast<HMENU>(IDC_TEST_EDIT),
                                         ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEST_EDIT), again);
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEST_EDIT), ::GetDlgItem(dialog, IDC_TEST_EDIT));

    // The group is remembered after its first use; without its middle button, index 1 is the third.
    EXPECT_EQ(dialog.RadioGroup(IDC_TEST_RADIO1).size(), 3u);
    ::DestroyWindow(dialog.GetDlgItem(IDC_TEST_RADIO2));
    dialog.radio = 1;
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(dialog.RadioGroup(IDC_TEST_RADIO1).size(), 2u);
    EXPECT_FALSE(CButton(dialog.GetDlgItem(IDC_TEST_RADIO1)).IsChecked());
    EXPECT_TRUE(CButton(dialog.GetDlgItem(IDC_TEST_RADIO3)).IsChecked());
    dialog.radio = -1;
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.radio, 1);
}

TEST(Dialog, ADisplayTextIsSetOnlyWhenItChangesAndAgainInANewWindow)
{
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    CWindow label(dialog.GetDlgItem(IDC_TEST_LABEL));
    dialog.shownLabel = L"first";
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(label.GetWindowText(), L"first");

    // A mark the exchange would overwrite if it set the label again.
    label.SetWindowText(L"untouched");
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(label.GetWindowText(), L"untouched") << "an unchanged value is not set again";
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(*dialog.shownLabel, L"first") << "saving reads nothing back";
    dialog.shownLabel = L"";
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(label.GetWindowText(), L"") << "an empty text is a change too";

    // The same object's next window starts with its template texts: everything is set anew.
    ASSERT_TRUE(dialog.DestroyWindow());
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_LABEL)).GetWindowText(), L"") << "set at initialisation";
    dialog.shownLabel = L"second";
    ASSERT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(CWindow(dialog.GetDlgItem(IDC_TEST_LABEL)).GetWindowText(), L"second");
    dialog.DestroyWindow();
}

TEST(Dialog, AnInvalidValueStopsTheSaveAndCallsTheHookOnce)
{
    for (const wchar_t* bad : {L"abc", L"", L"1000", L"-1", L"12x", L"99999999999999999999"}) {
        CTestMainDlg dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(SW_SHOW);
        CWindow(dialog.GetDlgItem(IDC_TEST_NUMBER)).SetWindowText(bad);
        dialog.combo.SetCurSel(3);
        EXPECT_FALSE(dialog.UpdateData(true)) << bad;
        EXPECT_EQ(dialog.validationFailures, std::vector<int>{IDC_TEST_NUMBER}) << bad;
        EXPECT_EQ(dialog.number, 7) << "the member keeps its value";
        EXPECT_EQ(dialog.comboIndex, -1) << "later values are not saved";
        EXPECT_EQ(::GetFocus(), dialog.GetDlgItem(IDC_TEST_NUMBER)) << "the hook focuses the control";
    }
}

TEST(Dialog, OkSavesAndEndsOnlyWhenTheValuesAreValid)
{
    bool firstTry = true;
    CTestChildDlg dialog(nullptr, [&](CTestChildDlg& d) {
        CWindow(d.GetDlgItem(IDC_CHILD_EDIT)).SetWindowText(L"typed");
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        firstTry = false;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(firstTry);
    EXPECT_EQ(dialog.text, L"typed");
    EXPECT_FALSE(dialog.IsWindow()) << "the modal window is gone after the run";

    CTestChildDlg cancelled(nullptr, [](CTestChildDlg& d) {
        CWindow(d.GetDlgItem(IDC_CHILD_EDIT)).SetWindowText(L"dropped");
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL) << "closing is cancelling";
    EXPECT_EQ(cancelled.text, L"");
}

TEST(Dialog, TooltipsAskTheDialogForTheirTexts)
{
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    // Only the control with a tip is a tool: a tool's control passes every message through
    // the tooltip's subclass.
    ASSERT_EQ(dialog.tips.SendMessage(TTM_GETTOOLCOUNT), 1);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    ASSERT_TRUE(dialog.tips.SendMessage(TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), dialog.GetDlgItem(IDC_TEST_BIG));

    // The request the tooltip sends when it shows the tool of a control.
    NMTTDISPINFOW request{};
    request.hdr.hwndFrom = dialog.tips;
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(dialog.GetDlgItem(IDC_TEST_BIG));
    request.hdr.code = TTN_GETDISPINFOW;
    request.uFlags = TTF_IDISHWND;
    dialog.SendMessage(WM_NOTIFY, request.hdr.idFrom, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_EQ(std::wstring(request.lpszText), LoadResourceText(IDS_TEST_TIP));
    EXPECT_EQ(std::wstring(request.lpszText), L"A tip for the test");
    EXPECT_EQ(dialog.tips.SendMessage(TTM_GETMAXTIPWIDTH), 500);
    EXPECT_EQ(dialog.tips.SendMessage(TTM_GETDELAYTIME, TTDT_AUTOPOP), 32767);

    // Another control's request is left unanswered.
    NMTTDISPINFOW other = request;
    other.lpszText = nullptr;
    other.hdr.idFrom = reinterpret_cast<UINT_PTR>(dialog.GetDlgItem(IDC_TEST_EDIT));
    dialog.SendMessage(WM_NOTIFY, other.hdr.idFrom, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(other.lpszText, nullptr);
}

// Key messages as the keyboard would queue them for a window.
void PostKey(HWND window, UINT message, UINT virtualKey)
{
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM up = message == WM_KEYUP ? (0xC0000000) : 0;
    ::PostMessageW(window, message, virtualKey, static_cast<LPARAM>(1 | (scan << 16)) | up);
}

void TypeKey(HWND window, UINT virtualKey)
{
    PostKey(window, WM_KEYDOWN, virtualKey);
    PostKey(window, WM_KEYUP, virtualKey);
}

class CPreFilterForTest {
public:
    explicit CPreFilterForTest(MessagePreFilter filter) { SetMessagePreFilter(std::move(filter)); }
    ~CPreFilterForTest() { SetMessagePreFilter({}); }
};

// Escape typed in a dialog cancels it (IsDialogMessage) unless the filter consumes it.
CTestChildDlg::Step TypeEscapeThenOk(std::vector<UINT> keysBefore = {})
{
    return [keysBefore](CTestChildDlg& d) {
        HWND edit = d.GetDlgItem(IDC_CHILD_EDIT);
        for (UINT key : keysBefore)
            TypeKey(edit, key);
        TypeKey(edit, VK_ESCAPE);
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    };
}

TEST(MessagePreFilter, SeesKeysBeforeTheDialogAndConsumesWhatItHandles)
{
    {
        CTestChildDlg plain(nullptr, TypeEscapeThenOk());
        EXPECT_EQ(plain.DoModal(), IDCANCEL) << "without a filter Escape cancels";
    }
    std::vector<unsigned> seen;
    std::vector<INT_PTR> nestedResults;
    const CPreFilterForTest filter([&](MSG& msg) {
        const auto code = KeyCodeOfMessage(msg.message, msg.wParam);
        if (!code)
            return false;
        seen.push_back(*code);
        if (*code == KeyPress(VK_F2)) {
            // A handler may run a modal dialog of its own: its loop calls the filter too.
            CTestChildDlg inner(nullptr, TypeEscapeThenOk({'D'}));
            nestedResults.push_back(inner.DoModal());
            return true;
        }
        return *code == KeyPress(VK_ESCAPE);
    });
    CTestChildDlg outer(nullptr, TypeEscapeThenOk({'B', VK_F2}));
    EXPECT_EQ(outer.DoModal(), IDOK) << "the consumed Escape did not cancel";
    EXPECT_EQ(nestedResults, std::vector<INT_PTR>{IDOK});
    // The outer dialog's queue (F2 release, Escape, OK) is read by the nested loop, before
    // what the nested dialog queued.
    const std::vector<unsigned> expected = {KeyPress('B'), 'B', KeyPress(VK_F2), VK_F2, KeyPress(VK_ESCAPE),
                                            VK_ESCAPE, KeyPress('D'), 'D', KeyPress(VK_ESCAPE), VK_ESCAPE};
    EXPECT_EQ(seen, expected);
}

TEST(MessagePreFilter, TheMainDialogsKeyDispatchCanSitBehindIt)
{
    CTestMainDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    const CPreFilterForTest filter([](MSG& msg) {
        const auto code = KeyCodeOfMessage(msg.message, msg.wParam);
        CResizableDialog* main = CResizableDialog::MainDialog();
        return code && main && *code == KeyPress(VK_F6) && main->DispatchKey(*code);
    });
    CTestChildDlg child(&dialog, [](CTestChildDlg& d) {
        TypeKey(d.GetDlgItem(IDC_CHILD_EDIT), VK_F6);
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    });
    EXPECT_EQ(dialog.RunChildModal(child), IDOK);
    EXPECT_EQ(dialog.keys, std::vector<unsigned>{KeyPress(VK_F6)}) << "a key typed in a child reached the main window";
}

}  // namespace
