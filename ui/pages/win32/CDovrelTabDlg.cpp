// The base of the tab pages.
#include "ui/pages/win32/CDovrelTabDlg.h"

#include <uxtheme.h>

#include "protocol/KivraProcessor.h"
#include "remote/DeviceCommandProcessor.h"

namespace {
bool IsGroupBoxClass(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return _wcsicmp(name, L"Button") == 0;
}
}

CDovrelTabDlg::CDovrelTabDlg(const std::uint32_t* layoutTable, UINT templateId, CWindow* parent)
    : CResizableDialog(layoutTable, templateId, parent)
{
}

bool CDovrelTabDlg::OnInitDialog()
{
    const bool result = CResizableDialog::OnInitDialog();
    // Styled group boxes under Wine measure Cyrillic titles short and cut off their end;
    // the plain drawing shows every title whole (and looks alike on Windows). A blank
    // theme name is what switches the style off (an empty one leaves it on under Wine).
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((CWindow(child).GetStyle() & BS_TYPEMASK) == BS_GROUPBOX && IsGroupBoxClass(child))
            SetWindowTheme(child, L" ", L" ");
    return result;
}

CDeviceCommandProcessor* CDovrelTabDlg::Manager()
{
    return TheConnectionManager();
}

CKivraProcessor* CDovrelTabDlg::Session()
{
    CDeviceCommandProcessor* manager = Manager();
    return manager ? manager->GetSession() : nullptr;
}

void CDovrelTabDlg::FillControls()
{
    m_filling = true;
    UpdateData(false);
    m_filling = false;
}

void CDovrelTabDlg::StoreEdits()
{
    if (m_filling)
        return;
    CKivraProcessor* session = Session();
    if (!session)
        return;
    UpdateData(true);
    session->EvaluateSettings();
}
