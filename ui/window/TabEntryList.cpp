// Tab entry bookkeeping.
#include "ui/window/TabEntryList.h"

int CTabEntryList::TabCount() const
{
    int count = 0;
    for (const Entry& e : m_entries)
        count += e.shown ? 1 : 0;
    return count;
}

int CTabEntryList::TabIndexOfEntry(int entry) const
{
    if (!IsEntry(entry) || !EntryAt(entry).shown)
        return -1;
    int tabIndex = 0;
    for (int i = 0; i < entry; ++i)
        tabIndex += EntryAt(i).shown ? 1 : 0;
    return tabIndex;
}

int CTabEntryList::EntryOfTabIndex(int tabIndex) const
{
    if (tabIndex < 0)
        return -1;
    for (int i = 0; i < EntryCount(); ++i) {
        if (EntryAt(i).shown && tabIndex-- == 0)
            return i;
    }
    return -1;
}

int CTabEntryList::Add(unsigned titleStringId, bool shown)
{
    m_entries.push_back({titleStringId, shown});
    return EntryCount() - 1;
}

CTabEntryList::ShownChange CTabEntryList::SetShown(int entry, bool shown, int selectedTab)
{
    ShownChange change;
    if (!IsEntry(entry) || EntryAt(entry).shown == shown)
        return change;
    change.changed = true;
    change.inserted = shown;
    if (!shown) {
        change.tabIndex = TabIndexOfEntry(entry);
        m_entries[static_cast<std::size_t>(entry)].shown = false;
        const int tabs = TabCount();
        if (change.tabIndex == selectedTab && selectedTab > 0)
            change.selection = selectedTab - 1;
        else
            change.selection = selectedTab < tabs ? selectedTab : tabs - 1;
    } else {
        m_entries[static_cast<std::size_t>(entry)].shown = true;
        change.tabIndex = TabIndexOfEntry(entry);
        if (selectedTab < 0)
            change.selection = change.tabIndex;
        else
            change.selection = selectedTab >= change.tabIndex ? selectedTab + 1 : selectedTab;
    }
    return change;
}

int CTabEntryList::NextTab(int selectedTab) const
{
    const int tabs = TabCount();
    if (tabs == 0)
        return -1;
    return selectedTab < 0 || selectedTab + 1 >= tabs ? 0 : selectedTab + 1;
}

int CTabEntryList::PreviousTab(int selectedTab) const
{
    const int tabs = TabCount();
    if (tabs == 0)
        return -1;
    return selectedTab <= 0 || selectedTab > tabs ? tabs - 1 : selectedTab - 1;
}
