// The entries of a page tab control: which entries have a tab, where, and which tab is
// selected after one is hidden or shown. The Win32 tab control follows this list.
//
// An entry's entry index is its position in the list; its tab index is its position
// among the shown entries. Selections are tab indexes, -1 for none.
#pragma once

#include <vector>

class CTabEntryList {
public:
    struct Entry {
        unsigned titleStringId = 0;
        bool shown = false;
    };

    // What hiding or showing an entry does to the tab row.
    struct ShownChange {
        bool changed = false;   // false: the entry does not exist or already had that state
        bool inserted = false;  // a tab was inserted (shown) rather than deleted (hidden)
        int tabIndex = -1;      // where the tab was inserted or deleted
        int selection = -1;     // the tab to select afterwards
    };

    // Attributes
    int EntryCount() const { return static_cast<int>(m_entries.size()); }
    const Entry& EntryAt(int entry) const { return m_entries[static_cast<std::size_t>(entry)]; }
    bool IsEntry(int entry) const { return entry >= 0 && entry < EntryCount(); }
    int TabCount() const;
    // -1 when the entry does not exist or is not shown.
    int TabIndexOfEntry(int entry) const;
    // The entry index of the n-th shown entry, or -1.
    int EntryOfTabIndex(int tabIndex) const;

    // Operations
    // Appends an entry; its entry index.
    int Add(unsigned titleStringId, bool shown);
    // Hides or shows an entry. Hiding the selected tab selects the one before it (the
    // first stays first); hiding another keeps the selection index, moved back onto the
    // last tab when it would point past the row. Showing keeps the selected entry
    // selected (or selects the new tab when none was).
    ShownChange SetShown(int entry, bool shown, int selectedTab);
    // The tab after the selected one, the first after the last; -1 without tabs.
    int NextTab(int selectedTab) const;
    // The tab before the selected one, the last before the first; -1 without tabs.
    int PreviousTab(int selectedTab) const;

private:
    std::vector<Entry> m_entries;
};
