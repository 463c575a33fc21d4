// One run's way to the sensor: the manager and session configured from the command line, the message pump, and the failure verdicts.
#include "ui/cli/win32/SensorLink.h"

#include "protocol/KivraProcessor.h"
#include "protocol/resources/protocol_ids.h"
#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/ProcessClock.h"
#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"
#include "ui/app/ConnectionSettings.h"
#include "ui/app/win32/SystemComPorts.h"
#include "ui/cli/CliText.h"
#include "ui/cli/MessageLine.h"
#include "ui/app/Utf8.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/Interruption.h"
#include "ui/resources/cli_ids.h"
#include "ui/resources/resource.h"

#include <windows.h>

#include <algorithm>

namespace {

// A file the run writes; null when none is asked for or it cannot be opened.
HANDLE CreateOutputFile(const std::wstring& path, DWORD disposition)
{
    if (path.empty())
        return nullptr;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

}  // namespace

CSensorLink::CSensorLink(const CliArguments& arguments, CConsoleOutput& output)
    : m_arguments(arguments),
      m_output(output),
      m_manager(new CDeviceCommandProcessor),
      m_timeoutMs(static_cast<int64_t>(
          (arguments.timeout > 0 ? arguments.timeout : DefaultTimeoutSeconds(!arguments.relay.empty())) * 1000)),
      m_resourcesOpen(!arguments.resources.empty() && m_resourceLog.Start(arguments.resources)),
      m_resourcesError(m_resourcesOpen ? 0 : ::GetLastError())
{
    m_manager->AddRef();
    m_window.Attach(*m_manager, [this](unsigned bits) { OnUpdate(bits); }, [this] { Watch(0); });
    m_trace = CreateOutputFile(arguments.trace, CREATE_ALWAYS);
    if (!arguments.trace.empty() && !m_trace)
        m_traceError = ::GetLastError();
}

CSensorLink::~CSensorLink()
{
    m_manager->Disconnect();
    m_window.Detach();
    m_manager->Release();
    if (m_trace)
        CloseHandle(m_trace);
}

CKivraProcessor& CSensorLink::Session() { return *m_manager->GetSession(); }

std::wstring CSensorLink::ConnectionText() const
{
    return m_manager->GetStateText() + m_manager->GetStatusText();
}

std::wstring CSensorLink::WithReason(unsigned messageId, const std::wstring& where) const
{
    return MessageLine(WithSystemReason(CliText(messageId, {where}), m_manager->GetFailureCode()));
}

ExitCode CSensorLink::Fail(ExitCode code, const std::wstring& message)
{
    m_output.Err(L"kivra-cli: " + message);
    return code;
}

void CSensorLink::Configure()
{
    CKivraProcessor& session = Session();
    if (IsRelay()) {
        m_manager->SetConnectionType(ConnectionType::Relay);
        m_manager->SetServerAddress(m_arguments.relay);
        m_manager->SetTerminalId(m_arguments.terminal);
        session.SetLinkKind(LinkRelay);
        const TerminalPortParameters& port = session.GetTerminalPortParameters();
        session.SetTerminalPort(m_arguments.terminalPort ? m_arguments.terminalPort : port.port,
                                m_arguments.terminalBaud ? m_arguments.terminalBaud : port.baudRate);
    } else {
        m_manager->SetConnectionType(ConnectionType::Sensor);
        session.SetLinkKind(LinkDirect);
        if (m_arguments.port.empty()) {
            ChooseStartSettings(*m_manager, TheComPorts());
        } else {
            // The stored read gap holds for a port named on the command line too.
            LoadConnectionSettings(*m_manager);
            m_manager->SetComPort(m_arguments.port);
        }
        if (m_arguments.baud)
            m_manager->SetBaudRate(m_arguments.baud);
        if (m_arguments.readGap >= 0)
            m_manager->SetReadGap(static_cast<uint32_t>(m_arguments.readGap));
    }
    // Address index as the window's combo box has it: 0 is the common address.
    session.SetSensorAddress(m_arguments.address < 0 || m_arguments.address == 255 ? 0 : m_arguments.address + 1);
}

ExitCode CSensorLink::Connect()
{
    if (!m_window.IsValid())
        return Fail(ExitCode::ConnectionLost, CliText(IDS_CLI_NO_WINDOW));
    if (!m_arguments.trace.empty() && !m_trace)
        return Fail(ExitCode::FileError, WithSystemReason(CliText(IDS_CLI_TRACE_FILE, {m_arguments.trace}),
                                                          m_traceError, ReasonPlacement::SameLine));
    if (!m_arguments.resources.empty() && !m_resourcesOpen)
        return Fail(ExitCode::FileError, WithSystemReason(CliText(IDS_CLI_RESOURCES_FILE, {m_arguments.resources}),
                                                          m_resourcesError, ReasonPlacement::SameLine));
    Configure();
    const int opened = m_manager->Open();
    if (opened < 0) {
        if (IsRelay())
            return Fail(ExitCode::ServerUnreachable, WithReason(IDS_SERVER_UNREACHABLE, m_arguments.relay));
        return Fail(ExitCode::PortUnavailable, WithReason(IDS_CONNECT_FAILED, m_manager->GetComPort()));
    }
    // Stored as the window stores them after every connection it opens.
    SaveConnectionSettings(*m_manager);
    m_verdict = m_watch.Update(Snapshot(0));
    return WaitFor([this] { return m_verdict == LinkVerdict::Ready; });
}

LinkSnapshot CSensorLink::Snapshot(unsigned bits) const
{
    const CKivraProcessor& session = *m_manager->GetSession();
    LinkSnapshot now;
    now.relay = IsRelay();
    now.connectionState = m_manager->GetConnectionState();
    now.phase = m_manager->GetTerminalPhase();
    now.managerStatus = m_manager->GetStatus();
    now.bits = bits;
    now.linkStatus = session.Status().GetLink();
    now.identified = (session.GetRecordFlags() & RecordFlag::Identification) != 0;
    now.supportedModel = session.Records().identificationTexts.supportedModel;
    now.settingsRead = session.Status().GetSettings() != CSessionStatus::SettingsNone;
    return now;
}

void CSensorLink::OnUpdate(unsigned bits)
{
    std::wstring trace;
    if ((bits & ChangeBits::Trace) && m_manager->TakeTraceText(trace) && m_trace) {
        const std::string bytes = ToUtf8(trace);
        DWORD written = 0;
        if (!WriteFile(m_trace, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
            // The trace only records the run: the command goes on, and the failure is said once.
            const DWORD error = ::GetLastError();
            m_output.Err(L"kivra-cli: " + WithSystemReason(CliText(IDS_CLI_TRACE_FILE, {m_arguments.trace}), error,
                                                           ReasonPlacement::SameLine));
            CloseHandle(m_trace);
            m_trace = nullptr;
        }
    }
    Watch(bits);
    if (m_hook)
        m_hook(bits);
}

void CSensorLink::Watch(unsigned bits)
{
    const LinkVerdict verdict = m_watch.Update(Snapshot(bits));
    // Once ready, only a failure is news: a firmware restart makes the session forget its settings for a while.
    if (m_verdict != LinkVerdict::Ready || (verdict != LinkVerdict::Pending && verdict != LinkVerdict::Ready)) {
        if (verdict == LinkVerdict::Ready && m_verdict != LinkVerdict::Ready) {
            const SensorRecords& records = Session().Records();
            m_firmwareAtReady = records.identificationTexts.firmwareVersion;
            m_serialAtReady = records.settingsTexts.serialNumber;
        }
        m_verdict = verdict;
    }
}

bool CSensorLink::SensorAnswering() const
{
    const CSessionStatus& status = m_manager->GetSession()->Status();
    // The link status turns back to connected with every answer; the no-answer flag of the
    // activity outlives a single lost answer for as long as that activity lasts (a whole
    // firmware download), so it cannot tell a silent sensor.
    return status.GetLink() == CSessionStatus::LinkConnected;
}

ExitCode CSensorLink::WaitFor(const std::function<bool()>& done)
{
    int64_t deadline = NowMilliseconds() + m_timeoutMs;
    for (;;) {
        if (m_verdict != LinkVerdict::Pending && m_verdict != LinkVerdict::Ready)
            return Report(m_verdict);
        if (done())
            return ExitCode::Ok;
        if (Interrupted() && (!m_stopPoint || m_stopPoint()))
            return Fail(ExitCode::Interrupted, CliText(IDS_CLI_INTERRUPTED));
        const int64_t now = NowMilliseconds();
        if (now >= deadline)
            return Report(m_watch.TimedOut(Snapshot(0)));
        // Asleep until the manager posts or its timer fires, Ctrl+C or the silence time-out: a
        // poll then costs the process only the messages it brings. Once Ctrl+C is in, its event
        // stays signalled and would wake every wait for a stop point at once.
        void* wake = Interrupted() ? nullptr : InterruptionEvent();
        if (m_window.PumpOnce(static_cast<unsigned>(std::max<int64_t>(deadline - now, 0)), wake) &&
            SensorAnswering())
            deadline = NowMilliseconds() + m_timeoutMs;
    }
}

ExitCode CSensorLink::Report(LinkVerdict verdict)
{
    const CKivraProcessor& session = Session();
    // Tenths too, so that a time-out below a second is not reported as 0 s.
    std::wstring seconds = std::to_wstring(m_timeoutMs / 1000);
    if (m_timeoutMs % 1000 >= 100)
        seconds += L"." + std::to_wstring(m_timeoutMs % 1000 / 100);
    switch (verdict) {
    case LinkVerdict::ServerUnreachable:
        if (m_manager->GetFailureCode() != 0)
            return Fail(ExitCode::ServerUnreachable, WithReason(IDS_SERVER_UNREACHABLE, m_arguments.relay));
        return Fail(ExitCode::ServerUnreachable, CliText(IDS_CLI_SERVER_SILENT, {m_arguments.relay, ConnectionText()}));
    case LinkVerdict::TerminalRefused: {
        const std::wstring terminal = std::to_wstring(m_arguments.terminal);
        if (m_manager->GetConnectionState() < ConnectionState::ChannelOpen)
            return Fail(ExitCode::TerminalRefused, CliText(IDS_CLI_SERVER_REFUSED, {terminal, ConnectionText()}));
        return Fail(ExitCode::TerminalRefused, CliText(IDS_CLI_TERMINAL_REFUSED, {terminal, ConnectionText()}));
    }
    case LinkVerdict::SensorSilent:
        // The session's own verdict for a silent sensor, even before its 10 s have passed.
        return Fail(ExitCode::SensorSilent,
                    CliText(IDS_CLI_NO_ANSWER_WITHIN, {LoadResourceText(IDS_LINK_NO_ANSWER), seconds}));
    case LinkVerdict::UnsupportedModel: {
        const std::wstring model = session.Records().identificationTexts.model;
        return Fail(ExitCode::UnsupportedModel,
                    CliText(IDS_CLI_UNSUPPORTED_MODEL,
                            {model.empty() ? CliText(IDS_CLI_UNKNOWN_MODEL) : model,
                             std::to_wstring(session.Records().identification.deviceType)}));
    }
    case LinkVerdict::Lost:
        return Fail(ExitCode::ConnectionLost, MessageLine(m_manager->GetConnectionLostText()));
    case LinkVerdict::Pending:
    case LinkVerdict::Ready: break;
    }
    return ExitCode::Ok;
}
