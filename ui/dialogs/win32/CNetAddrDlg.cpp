// The network address dialog ("Network setup.."): the sensor's address, its common and secondary
// address flags and, in service mode, its serial number.
#include "ui/dialogs/win32/CNetAddrDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SensorModel.h"
#include "protocol/SessionOwner.h"
#include "runtime/ResourceText.h"
#include "ui/dialogs/NetAddressRule.h"
#include "ui/resources/dialog_ids.h"
#include "ui/resources/resource.h"
#include "ui/window/win32/CDataExchange.h"

namespace {

bool KeyDown(int key)
{
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace

CNetAddrDlg::CNetAddrDlg(CKivraProcessor& session, HWND parent)
    : CResizableDialog(nullptr, IDD_NET_ADDR_DLG, parent), m_session(session)
{
    TakeSessionTexts();
    m_serviceMode = KeyDown(VK_CONTROL) && KeyDown(VK_MENU) && KeyDown(VK_SHIFT);
}

void CNetAddrDlg::TakeSessionTexts()
{
    const SensorRecords& records = m_session.Records();
    m_address = records.settingsTexts.networkAddress;
    m_secondaryEnabled = HasSecondaryAddress(records.identification.firmwareVersion);
    m_useCommon = records.settingsTexts.noCommonAddress ? 0 : 1;
    m_useSecondary = records.settingsTexts.secondaryAddress ? 1 : 0;
    m_serialNumber = records.settingsTexts.serialNumber;
    m_settingsHeld = SettingsHeld();
}

bool CNetAddrDlg::SettingsHeld() const
{
    return (m_session.GetRecordFlags() & RecordFlag::Settings) != 0;
}

void CNetAddrDlg::OnUpdate(std::uint32_t bits)
{
    // Opened right after connecting, the dialog may come before the settings do: it would
    // show no address until closed and opened again.
    if (!(bits & SessionNotify::Settings) || m_settingsHeld || m_edited || !SettingsHeld())
        return;
    TakeSessionTexts();
    CWindow(GetDlgItem(IDC_NET_SECONDARY_ADDRESS)).EnableWindow(m_secondaryEnabled);
    UpdateData(false);
    ApplyValidationRule();
}

bool CNetAddrDlg::OnInitDialog()
{
    const bool focusDefault = CResizableDialog::OnInitDialog();
    CWindow(GetDlgItem(IDC_NET_COMMON_ADDRESS)).EnableWindow(true);
    CWindow(GetDlgItem(IDC_NET_SECONDARY_ADDRESS)).EnableWindow(m_secondaryEnabled);
    if (m_serviceMode)
        CWindow(GetDlgItem(IDC_NET_SERIAL_NUMBER)).ShowWindow(SW_SHOW);
    UpdateData(false);
    ApplyValidationRule();
    return focusDefault;
}

bool CNetAddrDlg::OnCommand(int id, UINT code)
{
    if (((id == IDC_NET_ADDRESS || id == IDC_NET_SERIAL_NUMBER) && code == EN_CHANGE) ||
        ((id == IDC_NET_COMMON_ADDRESS || id == IDC_NET_SECONDARY_ADDRESS) && code == BN_CLICKED)) {
        m_edited = true;
        ApplyValidationRule();
        return true;
    }
    if (id == IDC_NET_WRITE && code == BN_CLICKED) {
        Write();
        return true;
    }
    return CResizableDialog::OnCommand(id, code);
}

void CNetAddrDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_NET_ADDRESS, m_address);
    dx.Check(IDC_NET_COMMON_ADDRESS, m_useCommon);
    dx.Check(IDC_NET_SECONDARY_ADDRESS, m_useSecondary);
    if (m_serviceMode)
        dx.Text(IDC_NET_SERIAL_NUMBER, m_serialNumber);
}

void CNetAddrDlg::ApplyValidationRule()
{
    const std::wstring address = CWindow(GetDlgItem(IDC_NET_ADDRESS)).GetWindowText();
    const std::wstring serialNumber = CWindow(GetDlgItem(IDC_NET_SERIAL_NUMBER)).GetWindowText();
    const NetAddressVerdict verdict = CheckNetAddressTexts(address, serialNumber, m_serviceMode);
    if (!verdict.accepted) {
        UpdateData(false);
        return;
    }
    UpdateData(true);
    CWindow(GetDlgItem(IDC_NET_WRITE)).EnableWindow(verdict.writeEnabled);
}

void CNetAddrDlg::Write()
{
    // Enter may get here with the button disabled; the validation rule is the button's state.
    if (!CWindow(GetDlgItem(IDC_NET_WRITE)).IsWindowEnabled())
        return;
    UpdateData(true);
    SettingsTexts& texts = m_session.Records().settingsTexts;
    const SettingsTexts before = texts;
    texts.networkAddress = m_address;
    texts.noCommonAddress = m_useCommon ? 0 : 1;
    texts.secondaryAddress = m_useSecondary ? 1 : 0;
    if (m_serviceMode)
        texts.serialNumber = m_serialNumber;
    m_session.EvaluateSettings();
    if (m_session.WriteSettings()) {
        EndDialog(IDOK);
        return;
    }
    // Nothing went out: the link is gone, or the address goes with the whole settings block,
    // which is not read yet or holds a value the pages show as invalid. Closing would pass for
    // a write, and the main window would show an address the sensor does not have.
    texts = before;
    m_session.EvaluateSettings();
    UINT reason = IDS_NET_ADDRESS_NOT_CONNECTED;
    if (m_session.IsReady())
        reason = SettingsHeld() ? IDS_NET_ADDRESS_SETTINGS_INVALID : IDS_NET_ADDRESS_SETTINGS_UNREAD;
    MessageBox(LoadResourceText(reason).c_str(), GetWindowText().c_str(), MB_OK | MB_ICONWARNING);
}
