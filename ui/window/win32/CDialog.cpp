// Dialog creation, the modal loop and message dispatch.
#include "ui/window/win32/CDialog.h"

#include <algorithm>

#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CSubclassedCtrl.h"
#include "ui/window/win32/DialogTemplate.h"
#include "ui/window/win32/MessagePreFilter.h"

namespace {
// The messages whose result a dialog procedure returns itself instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}
}  // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parentHandle(parent) {}

CDialog::CDialog(UINT templateId, CWindow* parent) : m_templateId(templateId), m_parentWindow(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // No message may reach the half-destroyed object.
        ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
}

HWND CDialog::ParentHandle() const
{
    return m_parentWindow ? m_parentWindow->GetHwnd() : m_parentHandle;
}

HWND CDialog::GetDlgItem(int id) const
{
    // A remembered control still counts only while it is this window's child with that id.
    const auto found = m_items.find(id);
    if (found != m_items.end()) {
        const HWND item = found->second;
        if (::IsWindow(item) && ::GetParent(item) == m_hWnd && ::GetWindowLongPtrW(item, GWLP_ID) == id)
            return item;
        m_items.erase(found);
    }
    const HWND item = CWindow::GetDlgItem(id);
    if (item)
        m_items.emplace(id, item);
    return item;
}

const std::vector<HWND>& CDialog::RadioGroup(int firstId) const
{
    std::vector<HWND>& group = m_radioGroups[firstId];
    const HWND first = GetDlgItem(firstId);
    const bool known = !group.empty() && group.front() == first &&
                       std::all_of(group.begin(), group.end(), [](HWND button) { return ::IsWindow(button) != FALSE; });
    if (known)
        return group;
    group.clear();
    for (HWND control = first; control;) {
        if (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
            group.push_back(control);
        control = ::GetWindow(control, GW_HWNDNEXT);
        if (control && (::GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP))
            break;
    }
    return group;
}

bool CDialog::ShowItem(int id, bool show) const
{
    const HWND item = GetDlgItem(id);
    // Its own style: IsWindowVisible also asks the parents, and the window is not shown yet
    // while it initialises.
    const bool shown = (::GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown == show)
        return false;
    ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
    return true;
}

bool CDialog::EnableItem(int id, bool enable) const
{
    const HWND item = GetDlgItem(id);
    if ((::IsWindowEnabled(item) != FALSE) == enable)
        return false;
    ::EnableWindow(item, enable ? TRUE : FALSE);
    return true;
}

HWND CDialog::CreateFromTemplate(HWND parent)
{
    EnsureCommonControls();
    // New controls show their template texts, not what an earlier window of this object showed.
    m_shown.clear();
    m_items.clear();
    m_radioGroups.clear();
    const DLGTEMPLATE* found = FindDialogTemplate(m_templateId);
    if (!found) {
        ::SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), found, parent, DialogProc,
                                        reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal()
{
    HWND parent = ParentHandle();
    // Like the platform's modal dialogs: the owner is the top-level window of the parent,
    // disabled while the dialog runs.
    HWND owner = parent ? ::GetAncestor(parent, GA_ROOT) : nullptr;
    m_endRequested = false;
    m_result = -1;
    m_modalRunning = true;
    HWND hwnd = CreateFromTemplate(owner);
    if (!hwnd) {
        m_modalRunning = false;
        return -1;
    }
    const bool disabledOwner = owner && ::IsWindowEnabled(owner) && !::EnableWindow(owner, FALSE);
    if (!m_endRequested)
        ::ShowWindow(hwnd, SW_SHOW);
    RunModalLoop();
    // The owner comes back before the dialog goes, so that activation returns to it.
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (::IsWindow(hwnd)) {
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        ::DestroyWindow(hwnd);
    }
    m_modalRunning = false;
    return m_result;
}

void CDialog::RunModalLoop()
{
    MSG msg{};
    while (!m_endRequested && m_hWnd && ::IsWindow(m_hWnd)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_result = -1;
            return;
        }
        if (got < 0)
            return;
        if (PreFilterMessage(msg))
            continue;
        if (m_hWnd && ::IsDialogMessageW(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool CDialog::Create(HWND parent)
{
    m_modalRunning = false;
    return CreateFromTemplate(parent) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_result = result;
    if (m_modalRunning) {
        m_endRequested = true;
        // Wakes the loop should this be called outside its dispatch.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
    }
}

bool CDialog::UpdateData(bool save)
{
    // Restored rather than cleared: a fill may run inside another one (a page refreshed from
    // the handler of its own update).
    const bool wasFilling = m_filling;
    m_filling = m_filling || !save;
    CDataExchange dx(*this, save);
    DoDataExchange(dx);
    m_filling = wasFilling;
    return !dx.Failed();
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND:
        // A control's notice while the controls are filled is the filling's, not an edit.
        if (lParam != 0 && m_filling) {
            result = 0;
            return true;
        }
        if (!OnCommand(LOWORD(wParam), HIWORD(wParam)))
            return false;
        result = 0;
        return true;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && item->hwndItem) {
            result = ::SendMessageW(item->hwndItem, ReflectedMessage(message), wParam, lParam);
            return result != 0;
        }
        return false;
    }
    default:
        return false;
    }
}

bool CDialog::OnCommand(int id, UINT code)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::OnDataValidationFailed(int controlId)
{
    ::MessageBeep(MB_ICONEXCLAMATION);
    if (HWND control = GetDlgItem(controlId))
        ::SetFocus(control);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const bool handled = OnMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        return FALSE;
    }
    if (ReturnsResultDirectly(message))
        return handled ? static_cast<INT_PTR>(result) : FALSE;
    if (!handled)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
