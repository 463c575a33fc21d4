// The base of the tab pages.
#include "ui/pages/win32/CDovrelTabDlg.h"

#include "protocol/KivraProcessor.h"
#include "remote/DeviceCommandProcessor.h"

CDovrelTabDlg::CDovrelTabDlg(const std::uint32_t* layoutTable, UINT templateId, CWindow* parent)
    : CResizableDialog(layoutTable, templateId, parent)
{
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
