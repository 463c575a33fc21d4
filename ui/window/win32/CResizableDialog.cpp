// Zooming, page ownership, propagation and child dialogs.
#include "ui/window/win32/CResizableDialog.h"

#include <commctrl.h>

#include "ui/window/LayoutTable.h"
#include "ui/window/ScreenPlacement.h"
#include "ui/window/win32/CResizableFontSet.h"
#include "ui/window/win32/CResizableTabCtrl.h"
#include "ui/window/win32/PlacementFrame.h"

namespace {
CResizableDialog* s_mainDialog = nullptr;

// Suspends the painting of a visible window while its controls move; a hidden window
// is left alone (turning redraw back on would show it).
class CRedrawSuspension {
public:
    explicit CRedrawSuspension(HWND hwnd) : m_hwnd(::IsWindowVisible(hwnd) ? hwnd : nullptr)
    {
        if (m_hwnd)
            ::SendMessageW(m_hwnd, WM_SETREDRAW, FALSE, 0);
    }
    ~CRedrawSuspension()
    {
        if (!m_hwnd)
            return;
        ::SendMessageW(m_hwnd, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    CRedrawSuspension(const CRedrawSuspension&) = delete;
    CRedrawSuspension& operator=(const CRedrawSuspension&) = delete;

private:
    HWND m_hwnd;
};

struct DirectChildren {
    HWND parent;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDirectChild(HWND child, LPARAM data)
{
    auto* children = reinterpret_cast<DirectChildren*>(data);
    if (::GetParent(child) == children->parent)
        children->found.push_back(child);
    return TRUE;
}
}  // namespace

CResizableDialog::CResizableDialog(const std::uint32_t* layoutTable, UINT templateId, HWND parent)
    : CDialog(templateId, parent), m_layoutTable(layoutTable)
{
    if (!s_mainDialog)
        s_mainDialog = this;
}

CResizableDialog::CResizableDialog(const std::uint32_t* layoutTable, UINT templateId, CWindow* parent)
    : CDialog(templateId, parent), m_layoutTable(layoutTable)
{
    if (!s_mainDialog)
        s_mainDialog = this;
}

CResizableDialog::~CResizableDialog()
{
    if (s_mainDialog == this)
        s_mainDialog = nullptr;
}

CResizableDialog* CResizableDialog::MainDialog() { return s_mainDialog; }

const CResizableCtrlHandle* CResizableDialog::FindControl(HWND control) const
{
    const auto found = m_controls.find(control);
    return found == m_controls.end() ? nullptr : found->second.Get();
}

bool CResizableDialog::OnInitDialog()
{
    const bool result = CDialog::OnInitDialog();
    m_initialWindow = GetWindowRect();
    m_initialClient = GetClientRect();
    m_sizable = (GetStyle() & WS_THICKFRAME) != 0;
    m_zoom.Start(m_initialClient.right - m_initialClient.left, m_initialClient.bottom - m_initialClient.top);
    if (m_sizable)
        CResizableFontSet::Instance().BuildFrom(GetFont());
    for (const LayoutEntry& entry : ParseLayoutTable(m_layoutTable)) {
        if (HWND control = GetDlgItem(static_cast<int>(entry.controlId)))
            RegisterControl(control, entry.flags, false);
    }
    DirectChildren children{m_hWnd, {}};
    ::EnumChildWindows(m_hWnd, CollectDirectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children.found)
        RegisterControl(child, 0, true);
    if ((GetStyle() & WS_CHILD) == 0)
        PlaceOverOwner();
    return result;
}

void CResizableDialog::PlaceOverOwner()
{
    // A template places its dialog relative to the owner's client origin (no DS_CENTER), which
    // puts it on the owner's top-left corner; a window without an owner stays where it is put.
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner)
        return;
    const PlacementFrame frame = PlacementFrameOf(owner);
    // Run by a zoomed window, the dialog opens enlarged as much.
    const float scale = m_opener ? CResizableFontSet::Instance().GetScale() : 1.0f;
    const LayoutRect centred = EnlargedChildRect(ToLayout(m_initialWindow), m_zoom.InitialWidth(),
                                                 m_zoom.InitialHeight(), scale, frame.centreOn);
    const LayoutRect placed = KeptInside(centred, frame.workArea);
    SetWindowPos(nullptr, placed.left, placed.top, placed.Width(), placed.Height(), SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CResizableDialog::RegisterControl(HWND control, std::uint32_t flags, bool onlyIfAbsent)
{
    auto found = m_controls.find(control);
    if (found == m_controls.end()) {
        CRefPtr<CResizableCtrlHandle> handle(new CResizableCtrlHandle(control));
        handle->Measure(m_hWnd, flags);
        handle->GiveFont(CResizableFontSet::Instance().FontFor(flags));
        m_controls.emplace(control, handle);
        return;
    }
    if (onlyIfAbsent || found->second->GetFlags() == flags)
        return;
    found->second->Measure(m_hWnd, flags);
    found->second->GiveFont(CResizableFontSet::Instance().FontFor(flags));
}

void CResizableDialog::OnSize(UINT type, int width, int height)
{
    if (!m_zoom.Resize(type == SIZE_MINIMIZED, width, height))
        return;
    CResizableFontSet& fonts = CResizableFontSet::Instance();
    if (m_sizable && m_zoom.FontScale() != fonts.GetScale())
        fonts.Rescale(m_zoom.FontScale());
    LayoutControls();
}

void CResizableDialog::LayoutControls()
{
    const CRedrawSuspension suspension(m_hWnd);
    const CResizableFontSet& fonts = CResizableFontSet::Instance();
    for (auto& [hwnd, handle] : m_controls) {
        if (!::IsWindow(hwnd))
            continue;
        handle->GiveFont(fonts.FontFor(handle->GetFlags()));
        handle->Layout(m_zoom.ScaleX(), m_zoom.ScaleY());
    }
}

bool CResizableDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        result = 0;
        return true;
    case WM_GETMINMAXINFO:
        if (m_zoom.InitialWidth() != 0) {
            const LayoutSize minimum = MinimumTrackSize(m_initialWindow.right - m_initialWindow.left,
                                                        m_initialWindow.bottom - m_initialWindow.top);
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {minimum.width, minimum.height};
            result = 0;
            return true;
        }
        return false;
    case WM_DESTROY:
        if (m_sizable)
            CResizableFontSet::Instance().Release();
        m_controls.clear();
        return false;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
            for (CResizableTabCtrl* tab : m_tabCtrls) {
                if (tab->GetHwnd() == header->hwndFrom) {
                    tab->ShowSelected();
                    result = 0;
                    return true;
                }
            }
        }
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
    default:
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

void CResizableDialog::Update(std::uint32_t bits)
{
    OnUpdate(bits);
    for (CResizableTabCtrl* tab : m_tabCtrls)
        tab->UpdatePages(bits);
    if (m_child)
        m_child->Update(bits);
}

bool CResizableDialog::CanClose()
{
    if (!OnCloseCheck())
        return false;
    for (CResizableTabCtrl* tab : m_tabCtrls) {
        if (!tab->CanClosePages())
            return false;
    }
    return true;
}

void CResizableDialog::Close()
{
    OnCloseNotice();
    for (CResizableTabCtrl* tab : m_tabCtrls)
        tab->ClosePages();
}

bool CResizableDialog::DispatchKey(unsigned keyCode)
{
    for (CResizableTabCtrl* tab : m_tabCtrls) {
        if (tab->KeyToSelectedPage(keyCode))
            return true;
    }
    return OnKey(keyCode);
}

INT_PTR CResizableDialog::RunChildModal(CResizableDialog& dialog)
{
    m_child = &dialog;
    dialog.m_opener = this;
    const INT_PTR result = dialog.DoModal();
    dialog.m_opener = nullptr;
    m_child = nullptr;
    return result;
}

void CResizableDialog::AddTabCtrl(CResizableTabCtrl& tabCtrl)
{
    tabCtrl.m_owner = this;
    m_tabCtrls.push_back(&tabCtrl);
}

void CResizableDialog::OnUpdate(std::uint32_t) {}

bool CResizableDialog::OnCloseCheck() { return true; }

void CResizableDialog::OnCloseNotice() {}

bool CResizableDialog::OnKey(unsigned) { return false; }
