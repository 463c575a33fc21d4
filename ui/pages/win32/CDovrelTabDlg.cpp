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

CDovrelTabDlg::CDovrelTabDlg(const std::uint32_t* layoutTable, UINT templateId, CDeviceCommandProcessor& manager,
                             CWindow* parent)
    : CResizableDialog(layoutTable, templateId, parent), m_manager(manager), m_session(*manager.GetSession())
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

void CDovrelTabDlg::StoreEdits()
{
    UpdateData(true);
    m_session.EvaluateSettings();
}
