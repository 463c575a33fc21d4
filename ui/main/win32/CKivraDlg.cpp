// The main window.
#include "ui/main/win32/CKivraDlg.h"

#include <commdlg.h>

#include <string>

#include "protocol/FirmwareFile.h"
#include "protocol/FirmwareMessages.h"
#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/ProcessClock.h"
#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"
#include "ui/app/ConnectionSettings.h"
#include "ui/app/SettingsProfile.h"
#include "ui/app/win32/ManagerMessages.h"
#include "ui/app/win32/SystemComPorts.h"
#include "ui/app/win32/TextFile.h"
#include "ui/dialogs/win32/CIpDlg.h"
#include "ui/dialogs/win32/CNetAddrDlg.h"
#include "ui/dialogs/win32/CSerialDlg.h"
#include "ui/main/GaugeDegrees.h"
#include "ui/main/MainKeys.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/main/UpdatePassPlan.h"
#include "ui/resources/chart_ids.h"
#include "ui/resources/image_ids.h"
#include "ui/resources/main_ids.h"
#include "ui/resources/resource.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CComboBox.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/FileDialog.h"

namespace {

// The gauge draws its angle text with the next larger font; the address list keeps its item count.
const std::uint32_t kLayout[] = {
    LayoutWord(IDC_GAUGE, LayoutFont(1)),
    LayoutWord(IDC_SENSOR_ADDRESS, kLayoutDropDownList),
    0,
};


// Posted to itself: the session's messages are shown once the manager's handling has returned.
constexpr UINT kDeliverPromptsMessage = WM_APP + 1;

constexpr int kOutputTooltipWidth = 500;
constexpr int kOutputTooltipAutoPopMs = 32767;
constexpr int kFileNameChars = 260;

// The folder of the program itself: its file dialogs open there, where its data logs go too.
std::wstring ProgramFolder()
{
    wchar_t folder[kFileNameChars] = {};
    std::uint32_t folderSize = kFileNameChars;
    return GetModuleDirectory(&folderSize, folder) ? std::wstring(folder) : std::wstring();
}

FileKind SettingsProfileKind()
{
    return {LoadResourceText(IDS_SETTINGS_FILTER), L"*.json", L"json"};
}

bool IsOutputIndicator(int id)
{
    return id == IDC_OUTPUT1_STATE || id == IDC_OUTPUT2_STATE || id == IDC_OUTPUT1_INFO || id == IDC_OUTPUT2_INFO;
}

}  // namespace

CKivraDlg::CKivraDlg(CDeviceCommandProcessor& manager)
    : CResizableDialog(kLayout, IDD_KIVRA_DIALOG),
      m_manager(manager),
      m_router(MakeManagerMessageRouter()),
      m_prompt([this] { PostMessage(kDeliverPromptsMessage); }),
      m_logo(IDP_LOGO),
      m_output2Info(IDP_HELP_MARKER),
      m_output1Info(IDP_HELP_MARKER),
      m_anglePage(manager, this),
      m_rs485Page(manager, this),
      m_outputsPage(manager, this),
      m_auxDataPage(manager, this),
      m_chartPage(manager, this),
      m_logPage(manager, this)
{
    m_tabs.AddEntry(&m_rs485Page, IDS_TAB_RS485, true);
    m_tabs.AddEntry(&m_outputsPage, IDS_TAB_OUTPUTS, true);
    m_angleEntry = m_tabs.AddEntry(&m_anglePage, IDS_TAB_ANGLE, true);
    m_tabs.AddEntry(&m_auxDataPage, IDS_TAB_AUX_DATA, true);
    m_tabs.AddEntry(&m_chartPage, IDS_TAB_CHART, true);
    // The log page has no tab until Ctrl+F12.
    m_logEntry = m_tabs.AddEntry(&m_logPage, IDS_TAB_LOG, false);
    AddTabCtrl(m_tabs);
}

CKivraDlg::~CKivraDlg() = default;

CKivraProcessor& CKivraDlg::Session() const
{
    return *m_manager.GetSession();
}

bool CKivraDlg::IsConnectionActive() const
{
    return m_manager.GetConnectionState() != ConnectionState::None;
}

bool CKivraDlg::OnInitDialog()
{
    CResizableDialog::OnInitDialog();
    m_toolTip.Create(m_hWnd, IsOutputIndicator);

    m_icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KIVRA));
    SetIcon(m_icon, true);
    SetIcon(m_icon, false);

    m_router.Attach(m_manager, m_hWnd, [this](unsigned bits) { Update(bits); });
    Session().SetUserPrompt(&m_prompt);

    m_tabs.InitPages();
    SetWindowText(CaptionWithVersion(GetWindowText()));

    CComboBox addresses(GetDlgItem(IDC_SENSOR_ADDRESS));
    addresses.ResetContent();
    for (const std::wstring& item : AddressComboItems())
        addresses.AddString(item);

    ChooseStartSettings(m_manager, TheComPorts());
    SelectSessionAddress();
    Session().SetLinkKind(LinkDirect);
    m_firmwareProgress.SetRange(0, 100);
    AddProfileMenuItems();

    RefreshButtons();
    RefreshMagnets();
    RefreshStatusLine();
    UpdateData(false);
    FitIntoWorkArea();
    return true;
}

void CKivraDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Subclass(IDC_LOGO, m_logo);
    dx.Subclass(IDC_GAUGE, m_gauge);
    dx.Subclass(IDC_MAIN_TABS, m_tabs);
    dx.Control(IDC_FIRMWARE_PROGRESS, m_firmwareProgress);
    dx.Subclass(IDC_OUTPUT2_INFO, m_output2Info);
    dx.Subclass(IDC_OUTPUT1_INFO, m_output1Info);
    if (dx.IsSaving())
        return;

    const CKivraProcessor& session = Session();
    const SensorRecords& records = session.Records();
    const CSessionStatus& status = session.Status();
    const DisplayTexts& live = records.displayTexts;
    dx.ShownText(IDC_CONNECTION_PARAMETERS, m_connectionParameters);
    dx.ShownText(IDC_LINK_STATUS, status.GetLinkText());
    dx.ShownText(IDC_SETTINGS_STATUS, status.GetSettingsText());
    dx.ShownText(IDC_FIRMWARE_STATUS, status.GetFirmwareText());
    dx.ShownText(IDC_NETWORK_ADDRESS_TEXT, records.settingsTexts.networkAddress);
    dx.ShownText(IDC_MODEL_TEXT, records.identificationTexts.model);
    dx.ShownText(IDC_FIRMWARE_VERSION_TEXT, records.identificationTexts.firmwareVersion);
    dx.ShownText(IDC_SERIAL_NUMBER_TEXT, records.settingsTexts.serialNumber);
    dx.ShownText(IDC_ANGLE_TEXT, live.angle);
    dx.ShownText(IDC_TEMPERATURE_TEXT, live.temperature);
    dx.ShownText(IDC_LLS1_TEXT, live.lls[0]);
    dx.ShownText(IDC_LLS2_TEXT, live.lls[1]);
    dx.ShownText(IDC_OUTPUT1_VALUE, live.outputValue[0]);
    dx.ShownText(IDC_OUTPUT2_VALUE, live.outputValue[1]);
    dx.ShownRadio(IDC_OUTPUT1_STATE, live.outputState[0]);
    dx.ShownRadio(IDC_OUTPUT2_STATE, live.outputState[1]);
    dx.ShownText(IDC_OUTPUT1_LABEL, records.identificationTexts.outputOneLabel);
    dx.ShownRadio(IDC_MAGNET1, live.magnetState[0]);
    dx.ShownRadio(IDC_MAGNET2, live.magnetState[1]);
    ShowOutputOneMode();
}

void CKivraDlg::ShowOutputOneMode()
{
    // In frequency mode output 1 shows its number instead of its indicator and its note, whose
    // marker stands where the number goes; output 2 keeps its indicator and note, and never
    // shows a number.
    const bool frequency = Session().Records().identificationTexts.outputOneFrequency;
    ShowItem(IDC_OUTPUT1_VALUE, frequency);
    ShowItem(IDC_OUTPUT1_STATE, !frequency);
    ShowItem(IDC_OUTPUT1_INFO, !frequency);
}

MainButtonStates CKivraDlg::ButtonStates() const
{
    const std::wstring& port = m_manager.GetComPort();
    const std::uint32_t baud = m_manager.GetBaudRate();
    MainWindowConditions conditions;
    conditions.connectionActive = IsConnectionActive();
    conditions.sessionReady = Session().IsReady();
    conditions.settingsWritable = Session().IsSettingsWritable();
    conditions.portValid = TheComPorts().PortSettingsValid(port, baud);
    conditions.settingsHeld = (Session().GetRecordFlags() & RecordFlag::Settings) != 0;
    return MainButtonStatesFor(conditions);
}

void CKivraDlg::RefreshButtons()
{
    m_connectionParameters = ConnectionParametersText(m_manager.GetComPort(), m_manager.GetBaudRate());
    const MainButtonStates s = ButtonStates();

    bool changed = ShowItem(IDC_DISCONNECT, s.disconnectShown);
    changed |= EnableItem(IDC_DISCONNECT, s.disconnectShown);
    changed |= ShowItem(IDC_CONNECT, s.connectShown);
    changed |= EnableItem(IDC_CONNECT, s.connectEnabled);
    changed |= EnableItem(IDC_MODIFY_CONNECTION, s.connectionEditable);
    changed |= EnableItem(IDC_SENSOR_ADDRESS, s.connectionEditable);
    for (int id : {IDC_READ_SETTINGS, IDC_NETWORK_SETUP, IDC_ZERO_SETUP, IDC_FIRMWARE_UPDATE})
        changed |= EnableItem(id, s.sessionCommands);
    changed |= EnableItem(IDC_WRITE_SETTINGS, s.writeSettings);
    const HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    const UINT profiles = MF_BYCOMMAND | (s.settingsProfiles ? MF_ENABLED : MF_GRAYED);
    ::EnableMenuItem(menu, IDM_EXPORT_SETTINGS, profiles);
    ::EnableMenuItem(menu, IDM_IMPORT_SETTINGS, profiles);
    // Only a control that was just disabled or hidden can have taken the focus with it.
    if (changed)
        KeepKeyboardFocus(s);
}

void CKivraDlg::KeepKeyboardFocus(const MainButtonStates& s)
{
    // A focused control that is disabled or hidden leaves the window without a focus ("Modify..."
    // after F4 has connected), and keys then arrive only as system keys: F4 would no longer
    // disconnect. The focus goes to the command most likely wanted next.
    if (::GetActiveWindow() != m_hWnd)
        return;
    const HWND focus = ::GetFocus();
    if (focus != nullptr && focus != m_hWnd && ::IsWindowVisible(focus) && ::IsWindowEnabled(focus))
        return;
    int target = IDC_MAIN_TABS;
    if (s.disconnectShown)
        target = IDC_DISCONNECT;
    else if (s.connectShown && s.connectEnabled)
        target = IDC_CONNECT;
    else if (s.connectionEditable)
        target = IDC_MODIFY_CONNECTION;
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(target)), TRUE);
}

void CKivraDlg::RefreshMagnets()
{
    const bool present = Session().Records().identificationTexts.magnetDetectors;
    EnableItem(IDC_MAGNET1, present);
    EnableItem(IDC_MAGNET2, present);
}

void CKivraDlg::RefreshStatusLine()
{
    const bool updating = !Session().Status().GetFirmwareText().empty();
    ShowItem(IDC_FIRMWARE_PROGRESS, updating);
    ShowItem(IDC_FIRMWARE_STATUS, updating);
    ShowItem(IDC_SETTINGS_STATUS, !updating);
    if (updating)
        m_firmwareProgress.SetPos(Session().GetFirmwareProgress());
}

void CKivraDlg::RefreshGauge()
{
    if (m_gaugeWindow != m_gauge.GetHwnd()) {
        m_gauge.SetRange(kGaugeMinDegrees, kGaugeMaxDegrees);
        m_gaugeWindow = m_gauge.GetHwnd();
        m_gaugeDegrees.reset();
        m_gaugeText.reset();
    }
    // The gauge does not draw its text (it is there for whoever reads the window), so a new
    // text alone needs no repaint; a new position repaints.
    const std::wstring& angle = Session().Records().displayTexts.angle;
    if (m_gaugeText != angle) {
        m_gauge.SetWindowText(angle);
        m_gaugeText = angle;
    }
    m_gauge.SetHighlight(false);
    const int degrees = GaugeDegrees(Session().Records().live.angle);
    if (m_gaugeDegrees != degrees) {
        m_gauge.SetPos(degrees);
        m_gaugeDegrees = degrees;
    }
}

void CKivraDlg::SelectSessionAddress()
{
    m_addressIndex = Session().GetAddressIndex();
    CComboBox(GetDlgItem(IDC_SENSOR_ADDRESS)).SetCurSel(m_addressIndex);
}

void CKivraDlg::OnUpdate(std::uint32_t bits)
{
    const UpdatePassPlan plan = PlanUpdatePass(bits);
    if (plan.selectAddress)
        SelectSessionAddress();
    if (plan.refreshButtons)
        RefreshButtons();
    if (plan.refreshStatusLine)
        RefreshStatusLine();
    if (plan.refreshLiveView) {
        RefreshMagnets();
        RefreshGauge();
    }
    if (plan.transferValues)
        UpdateData(false);
    TellLostConnection(bits);
}

void CKivraDlg::TellLostConnection(std::uint32_t bits)
{
    // The manager posts every bit when a connection ends; only one that ended by itself (the
    // adapter pulled out, the server gone) is news to the person who did not end it.
    if (bits == ChangeBits::Everything && m_manager.WasConnectionLost())
        m_prompt.ShowMessage(m_manager.GetConnectionLostText());
}


void CKivraDlg::FitIntoWorkArea()
{
    RECT work{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        return;
    const RECT window = GetWindowRect();
    if (window.right - window.left > work.right - work.left || window.bottom - window.top > work.bottom - work.top)
        SetWindowPos(nullptr, work, SWP_NOZORDER | SWP_FRAMECHANGED);
}

bool CKivraDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (m_router.Route(message, wParam, lParam)) {
        result = 0;
        return true;
    }
    switch (message) {
    case kDeliverPromptsMessage:
        m_prompt.Deliver([this](const std::wstring& text) { ShowMessage(text, MB_OK | MB_ICONEXCLAMATION); });
        result = 0;
        return true;
    case WM_SYSCOMMAND:
        if (OnSystemCommand(wParam)) {
            result = 0;
            return true;
        }
        break;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result))
            return true;
        break;
    case WM_PAINT:
        if (PaintMinimised()) {
            result = 0;
            return true;
        }
        break;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_icon);
        return true;
    case WM_DESTROY:
        // The window goes: the connection with it, and nothing may show messages on it any more.
        m_manager.Disconnect();
        Session().SetUserPrompt(nullptr);
        m_router.Detach();
        break;
    default:
        break;
    }
    return CResizableDialog::OnMessage(message, wParam, lParam, result);
}

bool CKivraDlg::OnCommand(int id, UINT code)
{
    if (id == IDC_SENSOR_ADDRESS) {
        if (code == CBN_SELCHANGE)
            SelectAddress();
        return code == CBN_SELCHANGE;
    }
    if (code != BN_CLICKED)
        return CResizableDialog::OnCommand(id, code);
    switch (id) {
    case IDC_CONNECT: Connect(); return true;
    case IDC_DISCONNECT: Disconnect(); return true;
    case IDC_MODIFY_CONNECTION: ModifyConnection(); return true;
    case IDC_READ_SETTINGS: Session().ReadSettings(); return true;
    case IDC_WRITE_SETTINGS: Session().WriteSettings(); return true;
    case IDC_NETWORK_SETUP: NetworkSetup(); return true;
    case IDC_ZERO_SETUP: ZeroSetup(); return true;
    case IDC_FIRMWARE_UPDATE: FirmwareUpdate(); return true;
    case IDC_MAGNET1:
    case IDC_MAGNET2:
    case IDC_OUTPUT1_STATE:
    case IDC_OUTPUT2_STATE:
        // Indicators, not inputs: a click is undone by showing the session's values again.
        UpdateData(false);
        return true;
    default:
        return CResizableDialog::OnCommand(id, code);
    }
}

bool CKivraDlg::OnNotify(NMHDR& header, LRESULT& result)
{
    if (header.code != TTN_GETDISPINFOW)
        return false;
    if (!IsOutputIndicator(CToolTip::ToolControlId(header)))
        return false;
    CToolTip::AnswerWithString(header, IDS_OUTPUT_OPEN_COLLECTOR, kOutputTooltipWidth, kOutputTooltipAutoPopMs);
    result = 0;
    return true;
}

bool CKivraDlg::PaintMinimised()
{
    if (!IsIconic())
        return false;
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_icon);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

bool CKivraDlg::OnKey(unsigned keyCode)
{
    // Ctrl as it was when the key was pressed (the state that goes with the message being
    // handled), not as it is now: on a busy machine Ctrl may be up again by the time F4, F6 or
    // F12 is handled, and the key would do what it does without Ctrl.
    const MainKey key = MainKeyOf(keyCode, ::GetKeyState(VK_CONTROL) < 0);
    switch (key.action) {
    case MainKeyAction::ConnectOrDisconnect:
        if (IsConnectionActive())
            Disconnect();
        else
            Connect();
        break;
    case MainKeyAction::OpenIpDialog: OpenIpDialog(); break;
    case MainKeyAction::NextTab: m_tabs.NextTab(); break;
    case MainKeyAction::PreviousTab: m_tabs.PreviousTab(); break;
    case MainKeyAction::ToggleLogTab: ToggleLogTab(); break;
    case MainKeyAction::None: break;
    }
    return key.handled;
}

void CKivraDlg::Connect()
{
    m_manager.SetConnectionType(ConnectionType::Sensor);
    Session().SetLinkKind(LinkDirect);
    const int opened = m_manager.Open();
    if (opened > 0)
        SaveConnectionSettings(m_manager);
    else if (opened < 0)
        ShowMessage(ConnectFailedMessage(m_manager.GetComPort(), m_manager.GetFailureCode()),
                    MB_OK | MB_ICONEXCLAMATION);
}

void CKivraDlg::Disconnect()
{
    m_manager.Disconnect();
}

void CKivraDlg::ModifyConnection()
{
    CSerialDlg dialog(m_hWnd);
    dialog.Preset(m_manager.GetComPort(), m_manager.GetBaudRate());
    if (RunChildModal(dialog) != IDOK)
        return;
    std::wstring port = m_manager.GetComPort();
    std::uint32_t baud = m_manager.GetBaudRate();
    if (dialog.ReadBack(port, baud)) {
        m_manager.SetComPort(port);
        m_manager.SetBaudRate(baud);
    }
    RefreshButtons();
    UpdateData(false);
}

void CKivraDlg::SelectAddress()
{
    m_addressIndex = CComboBox(GetDlgItem(IDC_SENSOR_ADDRESS)).GetCurSel();
    Session().SetSensorAddress(m_addressIndex);
}

void CKivraDlg::NetworkSetup()
{
    CNetAddrDlg dialog(Session(), m_hWnd);
    RunChildModal(dialog);
}

void CKivraDlg::OpenIpDialog()
{
    // One connection dialog at a time: a second would take over the first one's updates.
    if (GetChild() != nullptr)
        return;
    CIpDlg dialog(m_manager, m_hWnd);
    RunChildModal(dialog);
    RefreshButtons();
    UpdateData(false);
}

void CKivraDlg::ZeroSetup()
{
    if (Ask(IDS_ASK_ZERO_SETUP) != IDOK)
        return;
    Session().SetZero();
    m_tabs.SelectEntry(m_angleEntry);
}

void CKivraDlg::FirmwareUpdate()
{
    if (!Session().IsReady())
        return;
    const std::wstring file = ChooseFileToOpen(m_hWnd, {LoadResourceText(IDS_FIRMWARE_FILTER), L"*.fw", nullptr},
                                               ProgramFolder(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (file.empty())
        return;

    CRefPtr<CFirmwareFile> image(new CFirmwareFile);
    if (!image->Load(file.c_str(), m_prompt))
        return;
    const std::wstring foreign = ForeignImageMessage(image->Header(), Session().Records().identification);
    if (!foreign.empty()) {
        ShowMessage(foreign, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The session keeps its own reference for the update; a session no longer ready (the link
    // dropped while the file was chosen) takes none.
    Session().StartFirmwareUpdate(image.Get());
}

void CKivraDlg::AddProfileMenuItems()
{
    const HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_EXPORT_SETTINGS, LoadResourceText(IDS_MENU_EXPORT_SETTINGS).c_str());
    ::AppendMenuW(menu, MF_STRING, IDM_IMPORT_SETTINGS, LoadResourceText(IDS_MENU_IMPORT_SETTINGS).c_str());
}

bool CKivraDlg::OnSystemCommand(WPARAM command)
{
    // A grey item can still arrive as a posted command; it does nothing then.
    switch (command & 0xFFF0) {
    case IDM_EXPORT_SETTINGS:
        if (ButtonStates().settingsProfiles)
            ExportSettings();
        return true;
    case IDM_IMPORT_SETTINGS:
        if (ButtonStates().settingsProfiles)
            ImportSettings();
        return true;
    default:
        return false;
    }
}

void CKivraDlg::ExportSettings()
{
    const std::wstring path =
        ChooseFileToSave(m_hWnd, SettingsProfileKind(), ProgramFolder(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (path.empty())
        return;
    // The texts as the pages show them, edits not yet written included.
    if (!WriteTextFile(path, SettingsProfileText(Session().Records()))) {
        const DWORD error = ::GetLastError();
        ShowMessage(WithSystemReason(SettingsProfileMessage(IDS_SETTINGS_NOT_SAVED, path, {}), error),
                    MB_OK | MB_ICONEXCLAMATION);
    }
}

void CKivraDlg::ImportSettings()
{
    const std::wstring path =
        ChooseFileToOpen(m_hWnd, SettingsProfileKind(), ProgramFolder(), OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
    if (path.empty())
        return;
    std::wstring text;
    if (!ReadTextFile(path, text)) {
        const DWORD error = ::GetLastError();
        ShowMessage(WithSystemReason(SettingsProfileMessage(IDS_SETTINGS_NOT_READ, path, {}), error),
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The sensor keeps its own serial number and network address; the profile is its settings.
    SettingsTexts edited;
    std::vector<std::wstring> errors;
    if (!ImportSettingsProfile(text, {false, false}, Session().Records(), edited, errors)) {
        ShowMessage(SettingsProfileMessage(IDS_SETTINGS_NOT_IMPORTED, path, errors), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // As edits on the pages: shown, marked modified, and written only by "Write settings".
    Session().Records().settingsTexts = edited;
    Session().EvaluateSettings();
    Update(SessionNotify::Settings | SessionNotify::Status);
}

void CKivraDlg::ToggleLogTab()
{
    m_tabs.SetShown(m_logEntry, !m_tabs.IsShown(m_logEntry));
}

bool CKivraDlg::OnCloseCheck()
{
    return !IsConnectionActive() || Ask(IDS_ASK_EXIT) == IDOK;
}

void CKivraDlg::OnOK() {}

void CKivraDlg::OnCancel()
{
    if (!CanClose())
        return;
    Close();
    EndDialog(IDCANCEL);
}

void CKivraDlg::ShowMessage(const std::wstring& text, UINT type)
{
    const std::wstring caption = GetWindowText();
    MessageBox(text.c_str(), caption.c_str(), type);
}

int CKivraDlg::Ask(unsigned stringId)
{
    const std::wstring caption = GetWindowText();
    return MessageBox(LoadResourceText(stringId).c_str(), caption.c_str(), MB_OKCANCEL | MB_ICONQUESTION);
}
