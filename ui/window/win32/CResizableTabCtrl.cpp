// Tab pages.
#include "ui/window/win32/CResizableTabCtrl.h"

#include "runtime/ResourceText.h"
#include "ui/window/win32/CResizableDialog.h"

CResizableDialog* CResizableTabCtrl::GetPage(int entry) const
{
    return m_entries.IsEntry(entry) ? m_pages[static_cast<std::size_t>(entry)] : nullptr;
}

int CResizableTabCtrl::GetSelectedEntry() const { return m_entries.EntryOfTabIndex(GetCurSel()); }

int CResizableTabCtrl::AddEntry(CResizableDialog* page, UINT titleStringId, bool shown)
{
    m_pages.push_back(page);
    return m_entries.Add(titleStringId, shown);
}

RECT CResizableTabCtrl::DisplayArea() const
{
    RECT area = GetWindowRectIn(m_owner->GetHwnd());
    AdjustRect(false, area);
    return area;
}

void CResizableTabCtrl::InitPages()
{
    assert(m_owner && "AddTabCtrl before InitPages");
    // The pages lie over the tab control, after it in z-order; without clipping its
    // siblings a repaint of the tab control would paint over the shown page.
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetStyle() | WS_CLIPSIBLINGS);
    for (int entry = 0; entry < m_entries.EntryCount(); ++entry) {
        if (m_entries.EntryAt(entry).shown)
            InsertItem(GetItemCount(), LoadResourceText(m_entries.EntryAt(entry).titleStringId));
    }
    SetCurSel(0);
    for (CResizableDialog* page : m_pages) {
        if (page && !page->IsWindow())
            page->Create(m_owner->GetHwnd());
    }
    PlacePages(m_hWnd, SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    ShowSelected();
}

void CResizableTabCtrl::PlacePages(HWND insertAfter, UINT flags)
{
    const RECT area = DisplayArea();
    for (CResizableDialog* page : m_pages) {
        if (!page || !page->IsWindow())
            continue;
        page->SetWindowPos(insertAfter, area, flags);
        if (insertAfter)
            insertAfter = page->GetHwnd();
    }
}

void CResizableTabCtrl::ShowSelected()
{
    const int selected = GetSelectedEntry();
    if (selected < 0)
        return;
    for (int entry = 0; entry < m_entries.EntryCount(); ++entry) {
        CResizableDialog* page = GetPage(entry);
        if (entry != selected && page && page->IsWindow())
            page->ShowWindow(SW_HIDE);
    }
    if (CResizableDialog* page = GetPage(selected); page && page->IsWindow())
        page->ShowWindow(SW_SHOW);
}

void CResizableTabCtrl::SelectEntry(int entry)
{
    const int tabIndex = m_entries.TabIndexOfEntry(entry);
    if (tabIndex < 0)
        return;
    SetCurSel(tabIndex);
    ShowSelected();
}

void CResizableTabCtrl::NextTab()
{
    const int tabIndex = m_entries.NextTab(GetCurSel());
    if (tabIndex < 0)
        return;
    SetCurSel(tabIndex);
    ShowSelected();
}

void CResizableTabCtrl::PreviousTab()
{
    const int tabIndex = m_entries.PreviousTab(GetCurSel());
    if (tabIndex < 0)
        return;
    SetCurSel(tabIndex);
    ShowSelected();
}

void CResizableTabCtrl::SetShown(int entry, bool shown)
{
    const int selected = IsWindow() ? GetCurSel() : -1;
    const CTabEntryList::ShownChange change = m_entries.SetShown(entry, shown, selected);
    if (!change.changed || !IsWindow())
        return;
    if (change.inserted)
        InsertItem(change.tabIndex, LoadResourceText(m_entries.EntryAt(entry).titleStringId));
    else
        DeleteItem(change.tabIndex);
    SetCurSel(change.selection);
    ShowSelected();
    ShowWindow(SW_HIDE);
    ShowWindow(SW_SHOW);
}

void CResizableTabCtrl::UpdatePages(std::uint32_t bits)
{
    for (CResizableDialog* page : m_pages) {
        if (page)
            page->Update(bits);
    }
}

bool CResizableTabCtrl::CanClosePages()
{
    for (CResizableDialog* page : m_pages) {
        if (page && !page->CanClose())
            return false;
    }
    return true;
}

void CResizableTabCtrl::ClosePages()
{
    for (CResizableDialog* page : m_pages) {
        if (page)
            page->Close();
    }
}

bool CResizableTabCtrl::KeyToSelectedPage(unsigned keyCode)
{
    if (!IsWindow())
        return false;
    CResizableDialog* page = GetPage(GetSelectedEntry());
    return page && page->DispatchKey(keyCode);
}

bool CResizableTabCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_SIZE)
        return false;
    result = DefaultProc(message, wParam, lParam);
    if (m_owner && m_owner->IsWindow())
        PlacePages(nullptr, SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    return true;
}
