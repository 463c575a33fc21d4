// "RS-485 protocol" page.
#include "ui/pages/win32/CDigitalOutParamDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SensorModel.h"
#include "protocol/SessionOwner.h"
#include "ui/pages/win32/PageLists.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CDataExchange.h"

namespace {
const std::uint32_t kLayout[] = {
    LayoutWord(IDC_RS485_LLS1_SOURCE, kLayoutDropDownList),
    LayoutWord(IDC_RS485_LLS2_SOURCE, kLayoutDropDownList),
    0,
};
}

CDigitalOutParamDlg::CDigitalOutParamDlg(CDeviceCommandProcessor& manager, CWindow* parent)
    : CDovrelTabDlg(kLayout, kTemplateId, manager, parent)
{
}

bool CDigitalOutParamDlg::OnInitDialog()
{
    CDovrelTabDlg::OnInitDialog();
    Refresh();
    return true;
}

void CDigitalOutParamDlg::OnUpdate(std::uint32_t bits)
{
    if (bits & SessionNotify::Settings)
        Refresh();
}

void CDigitalOutParamDlg::Refresh()
{
    const unsigned count = ValueCodeListCount(Session().Records().identification.firmwareVersion);
    RebuildValueSourceList(CComboBox(GetDlgItem(IDC_RS485_LLS1_SOURCE)), count);
    RebuildValueSourceList(CComboBox(GetDlgItem(IDC_RS485_LLS2_SOURCE)), count);
    UpdateData(false);
}

void CDigitalOutParamDlg::DoDataExchange(CDataExchange& dx)
{
    SettingsTexts& texts = Session().Records().settingsTexts;
    dx.ComboIndex(IDC_RS485_LLS1_SOURCE, texts.llsSource[0]);
    dx.ComboIndex(IDC_RS485_LLS2_SOURCE, texts.llsSource[1]);
    dx.Radio(IDC_RS485_UNSOLICITED_OFF, texts.unsolicitedOutput);
    dx.Text(IDC_RS485_INTERVAL, texts.outputInterval);
}

bool CDigitalOutParamDlg::OnCommand(int id, UINT code)
{
    const bool edited = (code == CBN_SELCHANGE && (id == IDC_RS485_LLS1_SOURCE || id == IDC_RS485_LLS2_SOURCE)) ||
                        (code == BN_CLICKED && (id == IDC_RS485_UNSOLICITED_OFF || id == IDC_RS485_UNSOLICITED_LLS)) ||
                        (code == EN_CHANGE && id == IDC_RS485_INTERVAL);
    if (!edited)
        return CDovrelTabDlg::OnCommand(id, code);
    StoreEdits();
    return true;
}
