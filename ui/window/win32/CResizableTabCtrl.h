// The tab control that owns a list of page dialogs: it creates them over its display
// area, shows the selected one, hides and restores tabs, keeps its pages over its
// display area when it is resized, and passes update bits, close checks and keys to
// them. The tab row follows CTabEntryList.
//
// Use: AddEntry for each page, SubclassWindow on the control (or CDataExchange::
// Subclass), the owner's AddTabCtrl, then InitPages in the owner's OnInitDialog after
// the base initialisation. The owner shows the selected page on TCN_SELCHANGE.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/window/TabEntryList.h"
#include "ui/window/win32/CSubclassedCtrl.h"
#include "ui/window/win32/CTabCtrl.h"

class CResizableDialog;

class CResizableTabCtrl : public CSubclassedCtrl<CTabCtrl> {
public:
    CResizableTabCtrl() = default;

    // Attributes
    CResizableDialog* GetOwner() const { return m_owner; }
    int GetEntryCount() const { return m_entries.EntryCount(); }
    CResizableDialog* GetPage(int entry) const;
    bool IsShown(int entry) const { return m_entries.IsEntry(entry) && m_entries.EntryAt(entry).shown; }
    // -1 when the entry does not exist or has no tab.
    int TabIndexOfEntry(int entry) const { return m_entries.TabIndexOfEntry(entry); }
    // -1 when no shown entry has that tab.
    int EntryOfTabIndex(int tabIndex) const { return m_entries.EntryOfTabIndex(tabIndex); }
    // The entry of the selected tab, -1 for none.
    int GetSelectedEntry() const;

    // Operations
    // Appends an entry (page may be null); its entry index.
    int AddEntry(CResizableDialog* page, UINT titleStringId, bool shown);
    // Tab items for the shown entries, the first selected, every page created as a child
    // of the owner over the display area, the selected page shown.
    void InitPages();
    // Shows the page of the selected tab and hides the others.
    void ShowSelected();
    // Selects the tab of an entry; nothing for an entry without a tab.
    void SelectEntry(int entry);
    // The next tab (the first after the last), the previous (the last before the first).
    void NextTab();
    void PreviousTab();
    // Gives an entry its tab or takes it away (CTabEntryList::SetShown).
    void SetShown(int entry, bool shown);
    // Every page, shown or not, in list order.
    void UpdatePages(std::uint32_t bits);
    bool CanClosePages();
    void ClosePages();
    // Only the page of the selected tab.
    bool KeyToSelectedPage(unsigned keyCode);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class CResizableDialog;

    RECT DisplayArea() const;
    void PlacePages(HWND insertAfter, UINT flags);

    CResizableDialog* m_owner = nullptr;
    CTabEntryList m_entries;
    std::vector<CResizableDialog*> m_pages;
};
