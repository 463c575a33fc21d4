// The IP connection dialog (Ctrl+F4): a remote link through the relay server and an on-board terminal.
#include "ui/dialogs/win32/CIpDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"
#include "ui/app/BaudRates.h"
#include "ui/app/ConnectionSettings.h"
#include "ui/dialogs/RelayConnectRule.h"
#include "ui/resources/dialog_ids.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CDataExchange.h"

namespace {

// Closes the dialog a while after the sensor session's channel opened, so that the status
// line shows it first.
constexpr UINT_PTR kCloseTimerId = 1;
constexpr UINT kCloseDelayMs = 2000;

const wchar_t* const kTerminalPorts[] = {L"RS232", L"RS485"};

}  // namespace

const std::uint32_t CIpDlg::kLayout[] = {LayoutWord(IDC_IP_TERMINAL_PORT, kLayoutDropDownList),
                                         LayoutWord(IDC_IP_BAUD, kLayoutDropDownList), 0};

CIpDlg::CIpDlg(CDeviceCommandProcessor& manager, HWND parent)
    : CResizableDialog(kLayout, IDD_IP_DLG, parent), m_manager(manager), m_session(*manager.GetSession())
{
    m_terminalId = std::to_wstring(m_manager.GetTerminalId());
    const TerminalPortParameters& port = m_session.GetTerminalPortParameters();
    m_terminalPortIndex = static_cast<int>(port.port) - 1;
    m_baudIndex = IndexOfBaudRate(port.baudRate);
    if (m_baudIndex < 0)
        m_baudIndex = 0;
}

bool CIpDlg::OnInitDialog()
{
    const bool focusDefault = CResizableDialog::OnInitDialog();
    m_terminalPorts.ResetContent();
    for (const wchar_t* port : kTerminalPorts)
        m_terminalPorts.AddString(port);
    m_baudRates.ResetContent();
    for (uint32_t rate : kBaudRates)
        m_baudRates.AddString(std::to_wstring(rate));
    // The status line, the controls and the connect rule, as every update pass sets them.
    OnUpdate(ChangeBits::State);
    return focusDefault;
}

bool CIpDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_TIMER) {
        KillTimer(kCloseTimerId);
        EndDialog(IDOK);
        result = 0;
        return true;
    }
    return CResizableDialog::OnMessage(message, wParam, lParam, result);
}

bool CIpDlg::OnCommand(int id, UINT code)
{
    if (((id == IDC_IP_SERVER_ADDRESS || id == IDC_IP_TERMINAL_ID) && code == EN_CHANGE) ||
        ((id == IDC_IP_TERMINAL_PORT || id == IDC_IP_BAUD) && code == CBN_SELCHANGE)) {
        ApplyConnectRule();
        return true;
    }
    return CResizableDialog::OnCommand(id, code);
}

void CIpDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_IP_TERMINAL_PORT, m_terminalPorts);
    dx.Control(IDC_IP_BAUD, m_baudRates);
    // The edit is the manager's own server address: what is typed holds for the rest of the run.
    std::wstring server = m_manager.GetServerAddress();
    dx.Text(IDC_IP_SERVER_ADDRESS, server);
    if (dx.IsSaving())
        m_manager.SetServerAddress(server);
    dx.Text(IDC_IP_TERMINAL_ID, m_terminalId);
    dx.ComboIndex(IDC_IP_TERMINAL_PORT, m_terminalPortIndex);
    dx.ComboIndex(IDC_IP_BAUD, m_baudIndex);
    dx.Text(IDC_IP_STATUS, m_status);
}

void CIpDlg::ApplyConnectRule()
{
    UpdateData(true);
    RelayConnectInputs inputs;
    inputs.channelExists = m_manager.GetConnectionState() != ConnectionState::None;
    inputs.serverAddress = m_manager.GetServerAddress();
    inputs.terminalIdText = m_terminalId;
    inputs.terminalPortIndex = m_terminalPortIndex;
    inputs.baudIndex = m_baudIndex;
    CWindow(GetDlgItem(IDOK)).EnableWindow(CanConnectThroughRelay(inputs));
}

void CIpDlg::OnOK()
{
    // Enter may get here with the button disabled; the connect rule is the button's state.
    if (!CWindow(GetDlgItem(IDOK)).IsWindowEnabled())
        return;
    UpdateData(true);
    const std::optional<uint32_t> terminal = TerminalIdOfText(m_terminalId);
    m_manager.SetConnectionType(ConnectionType::Relay);
    m_session.SetLinkKind(LinkRelay);
    m_manager.SetTerminalId(terminal.value_or(0));
    m_session.SetTerminalPort(static_cast<uint32_t>(m_terminalPortIndex) + 1, kBaudRates[m_baudIndex]);
    // A failure shows in the status line, which the manager's update brings.
    if (m_manager.Open() <= 0)
        return;
    SaveConnectionSettings(m_manager);
    m_connectIssued = true;
}

void CIpDlg::OnCancel()
{
    KillTimer(kCloseTimerId);
    if (m_manager.GetStatus() != ManagerStatus::Transparent)
        m_manager.Disconnect();
    EndDialog(IDCANCEL);
}

void CIpDlg::OnUpdate(std::uint32_t bits)
{
    if (!(bits & (ChangeBits::State | ChangeBits::Terminal)))
        return;
    m_status = m_manager.GetStateText() + m_manager.GetStatusText();
    UpdateData(false);
    // The button follows the channel: none may be opened while one exists.
    ApplyConnectRule();
    if (m_manager.GetTerminalPhase() == TerminalPhase::Session && m_connectIssued)
        SetTimer(kCloseTimerId, kCloseDelayMs);
}
