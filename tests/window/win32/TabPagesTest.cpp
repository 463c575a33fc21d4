// Tab pages on a live tab control: one page shown at a time, hiding and showing tabs,
// and what the owner passes down to its pages.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "TestMainDlg.h"
#include "WindowTestHelpers.h"
#include "ui/window/KeyCode.h"

namespace {

class TabPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(SW_SHOWNORMAL);
    }

    // The entries whose pages are visible.
    std::vector<int> VisiblePages() const
    {
        std::vector<int> visible;
        for (int entry = 0; entry < 3; ++entry) {
            if (dialog.pages[entry].IsWindowVisible())
                visible.push_back(entry);
        }
        return visible;
    }

    void ExpectShowing(int entry, int tabCount, const char* what = "")
    {
        SCOPED_TRACE(what);
        EXPECT_EQ(VisiblePages(), std::vector<int>{entry});
        EXPECT_EQ(dialog.tab.GetSelectedEntry(), entry);
        EXPECT_EQ(dialog.tab.GetItemCount(), tabCount);
    }

    CTestMainDlg dialog;
};

TEST_F(TabPagesTest, PagesAreChildrenOfTheOwnerOverTheDisplayAreaOneShownAtATime)
{
    ExpectShowing(0, 2);
    EXPECT_EQ(dialog.tab.GetItemText(0), L"First");
    EXPECT_EQ(dialog.tab.GetItemText(1), L"Second");
    RECT area = dialog.tab.GetWindowRectIn(dialog);
    dialog.tab.AdjustRect(false, area);
    for (CTestPageDlg& page : dialog.pages) {
        EXPECT_TRUE(page.IsWindow()) << "hidden entries have their page too";
        EXPECT_EQ(page.GetParent(), dialog.GetHwnd());
        EXPECT_EQ(ToLayout(page.GetWindowRectIn(dialog)), ToLayout(area));
    }
    // In z-order the pages follow the tab control, in list order.
    EXPECT_EQ(::GetWindow(dialog.tab, GW_HWNDNEXT), dialog.pages[0].GetHwnd());
    EXPECT_EQ(::GetWindow(dialog.pages[0], GW_HWNDNEXT), dialog.pages[1].GetHwnd());
    EXPECT_EQ(::GetWindow(dialog.pages[1], GW_HWNDNEXT), dialog.pages[2].GetHwnd());
}

TEST_F(TabPagesTest, SelectingShowingAndHidingTabs)
{
    dialog.tab.SelectEntry(1);
    ExpectShowing(1, 2);
    dialog.tab.SelectEntry(2);
    ExpectShowing(1, 2, "an entry without a tab cannot be selected");

    dialog.tab.SetShown(2, true);
    ExpectShowing(1, 3);
    EXPECT_EQ(dialog.tab.GetItemText(2), L"Third");
    dialog.tab.SelectEntry(2);
    ExpectShowing(2, 3);

    dialog.tab.SetShown(2, false);
    ExpectShowing(1, 2, "hiding the selected last tab selects the one before");

    dialog.tab.SetShown(2, true);
    dialog.tab.SelectEntry(0);
    dialog.tab.SetShown(2, false);
    ExpectShowing(0, 2, "hiding another tab keeps the selection");
    EXPECT_TRUE(dialog.tab.IsWindowVisible()) << "the tab control is shown again after its repaint";

    dialog.tab.SetShown(0, false);
    ExpectShowing(1, 1, "the first selected and hidden: the new first");
    EXPECT_EQ(dialog.tab.TabIndexOfEntry(1), 0);
    EXPECT_EQ(dialog.tab.EntryOfTabIndex(0), 1);
    EXPECT_EQ(dialog.tab.TabIndexOfEntry(0), -1);
    dialog.tab.SetShown(0, true);
    ExpectShowing(1, 2, "shown again before the selection: the selected page stays");
    EXPECT_EQ(dialog.tab.GetCurSel(), 1);
}

TEST_F(TabPagesTest, NextAndPreviousWrap)
{
    dialog.tab.SetShown(2, true);
    const int forward[] = {1, 2, 0, 1};
    for (int entry : forward) {
        dialog.tab.NextTab();
        ExpectShowing(entry, 3);
    }
    const int backward[] = {0, 2, 1, 0};
    for (int entry : backward) {
        dialog.tab.PreviousTab();
        ExpectShowing(entry, 3);
    }
}

TEST_F(TabPagesTest, TheOwnerShowsThePageTheUserSelects)
{
    dialog.tab.SetCurSel(1);
    NMHDR change{dialog.tab.GetHwnd(), static_cast<UINT_PTR>(IDC_TEST_TAB), static_cast<UINT>(TCN_SELCHANGE)};
    dialog.SendMessage(WM_NOTIFY, IDC_TEST_TAB, reinterpret_cast<LPARAM>(&change));
    ExpectShowing(1, 2);
}

TEST_F(TabPagesTest, UpdatesCloseChecksAndKeysReachThePages)
{
    dialog.Update(0x400);
    for (CTestPageDlg& page : dialog.pages)
        EXPECT_EQ(page.updates, std::vector<std::uint32_t>{0x400}) << "every page, shown or not";

    EXPECT_TRUE(dialog.CanClose());
    dialog.pages[1].allowClose = false;
    EXPECT_FALSE(dialog.CanClose());
    EXPECT_EQ(dialog.pages[2].closeChecks, 1) << "asking stops at the first refusal";
    dialog.allowClose = false;
    EXPECT_FALSE(dialog.CanClose());
    EXPECT_EQ(dialog.pages[0].closeChecks, 2) << "the owner refused first";

    dialog.Close();
    for (CTestPageDlg& page : dialog.pages)
        EXPECT_EQ(page.closeNotices, 1);

    dialog.pages[1].handledKey = KeyPress(VK_F5);
    EXPECT_FALSE(dialog.pages[0].keys.size());
    EXPECT_TRUE(dialog.DispatchKey(KeyPress(VK_F5))) << "the owner's hook takes what the page leaves";
    EXPECT_EQ(dialog.pages[0].keys, std::vector<unsigned>{KeyPress(VK_F5)}) << "offered to the selected page first";
    EXPECT_EQ(dialog.keys, std::vector<unsigned>{KeyPress(VK_F5)});
    dialog.tab.SelectEntry(1);
    EXPECT_TRUE(dialog.DispatchKey(KeyPress(VK_F5)));
    EXPECT_EQ(dialog.keys.size(), 1u) << "the selected page handled it";
    EXPECT_TRUE(dialog.pages[2].keys.empty()) << "pages not selected get no keys";
}

}  // namespace
