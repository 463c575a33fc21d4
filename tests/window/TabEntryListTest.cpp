// Tab entries: tab indexes with hidden entries, hiding and showing, next and previous.
#include "ui/window/TabEntryList.h"

#include <gtest/gtest.h>

namespace {

// The main window's list: four pages shown, the log page hidden.
CTabEntryList MainWindowTabs()
{
    CTabEntryList list;
    list.Add(68, true);
    list.Add(71, true);
    list.Add(67, true);
    list.Add(141, true);
    list.Add(69, false);
    return list;
}

TEST(TabEntryList, TabIndexOfEntryAndEntryOfTabIndexSkipHiddenEntries)
{
    CTabEntryList list;
    list.Add(1, true);
    list.Add(2, false);
    list.Add(3, true);
    list.Add(4, true);
    const int tabOfEntry[] = {0, -1, 1, 2};
    for (int entry = 0; entry < 4; ++entry)
        EXPECT_EQ(list.TabIndexOfEntry(entry), tabOfEntry[entry]) << entry;
    const int entryOfTab[] = {0, 2, 3, -1};
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_EQ(list.EntryOfTabIndex(tab), entryOfTab[tab]) << tab;
    EXPECT_EQ(list.TabIndexOfEntry(-1), -1);
    EXPECT_EQ(list.TabIndexOfEntry(4), -1);
    EXPECT_EQ(list.EntryOfTabIndex(-1), -1);
    EXPECT_EQ(list.TabCount(), 3);
}

TEST(TabEntryList, HidingAndShowingMovesTheSelectionAsTheRowChanges)
{
    struct Case {
        const char* what;
        int entry;
        bool shown;
        int selectedBefore;
        CTabEntryList::ShownChange expected;
    };
    const Case cases[] = {
        {"show the log page: appended, selection kept", 4, true, 2, {true, true, 4, 2}},
        {"show before the selection: the selected entry stays selected", 4, true, -1, {true, true, 4, 4}},
    };
    for (const Case& c : cases) {
        CTabEntryList list = MainWindowTabs();
        const CTabEntryList::ShownChange change = list.SetShown(c.entry, c.shown, c.selectedBefore);
        EXPECT_EQ(change.changed, c.expected.changed) << c.what;
        EXPECT_EQ(change.inserted, c.expected.inserted) << c.what;
        EXPECT_EQ(change.tabIndex, c.expected.tabIndex) << c.what;
        EXPECT_EQ(change.selection, c.expected.selection) << c.what;
    }
}

TEST(TabEntryList, HidingTheSelectedLastTabSelectsTheOneBefore)
{
    CTabEntryList list = MainWindowTabs();
    list.SetShown(4, true, 0);
    const auto change = list.SetShown(4, false, 4);
    EXPECT_TRUE(change.changed);
    EXPECT_FALSE(change.inserted);
    EXPECT_EQ(change.tabIndex, 4);
    EXPECT_EQ(change.selection, 3);
    EXPECT_EQ(list.TabCount(), 4);
}

TEST(TabEntryList, HidingAnUnselectedTabKeepsTheSelectionIndex)
{
    CTabEntryList list = MainWindowTabs();
    list.SetShown(4, true, 0);
    EXPECT_EQ(list.SetShown(4, false, 1).selection, 1);
    list.SetShown(4, true, 1);
    EXPECT_EQ(list.SetShown(0, false, 1).selection, 1) << "a tab before the selection";
    EXPECT_EQ(list.SetShown(0, true, 1).selection, 2) << "shown again before the selection";
}

TEST(TabEntryList, HidingEdgeCases)
{
    {
        CTabEntryList list = MainWindowTabs();
        EXPECT_EQ(list.SetShown(0, false, 0).selection, 0) << "the first selected: the new first";
    }
    {
        // The selection index would point past the row: it moves back onto the last tab.
        CTabEntryList list = MainWindowTabs();
        const auto change = list.SetShown(1, false, 3);
        EXPECT_EQ(change.tabIndex, 1);
        EXPECT_EQ(change.selection, 2);
    }
    {
        CTabEntryList list;
        list.Add(1, true);
        EXPECT_EQ(list.SetShown(0, false, 0).selection, -1) << "no tab left";
        EXPECT_EQ(list.SetShown(0, true, -1).selection, 0) << "the only tab is selected";
    }
    {
        CTabEntryList list = MainWindowTabs();
        EXPECT_FALSE(list.SetShown(4, false, 0).changed) << "already hidden";
        EXPECT_FALSE(list.SetShown(0, true, 0).changed) << "already shown";
        EXPECT_FALSE(list.SetShown(5, true, 0).changed) << "beyond the list";
        EXPECT_FALSE(list.SetShown(-1, true, 0).changed);
        EXPECT_EQ(list.TabCount(), 4);
    }
}

TEST(TabEntryList, NextAndPreviousWrap)
{
    const CTabEntryList list = MainWindowTabs();
    const int next[] = {1, 2, 3, 0};
    const int previous[] = {3, 0, 1, 2};
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_EQ(list.NextTab(tab), next[tab]) << tab;
        EXPECT_EQ(list.PreviousTab(tab), previous[tab]) << tab;
    }
    EXPECT_EQ(list.NextTab(-1), 0);
    EXPECT_EQ(list.PreviousTab(-1), 3);
    const CTabEntryList none;
    EXPECT_EQ(none.NextTab(0), -1);
    EXPECT_EQ(none.PreviousTab(0), -1);
}

}  // namespace
