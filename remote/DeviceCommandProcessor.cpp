// Top layer of the connection manager: the terminal phase sequence and the hosting of the sensor session.
#include "remote/DeviceCommandProcessor.h"

#include "protocol/KivraProcessor.h"
#include "protocol/UpdateBits.h"
#include "remote/ConnectionTexts.h"
#include "runtime/RxBuffer.h"
#include "runtime/ProcessClock.h"
#include "runtime/CTempLogger.h"

#include <algorithm>

namespace
{
constexpr int32_t kNoTimer = 0x7FFFFFFF;
constexpr int32_t kKeepAliveMs = 60000;
constexpr int32_t kRelayRetryMs = 5000;
constexpr int32_t kSerialRetryMs = 2000;
constexpr int32_t kRelayResponseMs = 60000;
constexpr int32_t kSerialResponseMs = 2000;
constexpr int32_t kLowestVersion = 120;

THostedSession MakeSensorSession(CSessionOwner& owner, CKivraProcessor*& sensor)
{
    auto session = std::make_unique<CKivraProcessor>(owner);
    sensor = session.get();
    CKivraProcessor* source = sensor;
    return {std::move(session), [source] { return source->GetTerminalPortParameters(); }};
}
}

CDeviceCommandProcessor::CDeviceCommandProcessor()
    : m_trace(new CTempLogger)
{
    m_session = MakeSensorSession(*this, m_kivra);
    ResetPhases();
}

CDeviceCommandProcessor::CDeviceCommandProcessor(const TSessionMaker& makeSession)
    : m_trace(new CTempLogger)
{
    m_session = makeSession(*this);
    ResetPhases();
}

CDeviceCommandProcessor::~CDeviceCommandProcessor() = default;

bool CDeviceCommandProcessor::TakeTraceText(std::wstring& text)
{
    return m_trace->TakeText(text);
}

void CDeviceCommandProcessor::StartSessionTimer(int32_t ms)
{
    if (ms <= 0)
        ms = ActiveChannelKind() == CConnectionWrapper::kRelay ? kRelayResponseMs : kSerialResponseMs;
    SetPhaseTimer(ms);
}

void CDeviceCommandProcessor::TraceFrame(int received, uint32_t length, const uint8_t* bytes)
{
    if (m_trace->AddFrame(received != 0, length, bytes))
        Notify(ChangeBits::Trace);
}

int CDeviceCommandProcessor::SendData(const uint8_t* bytes, uint32_t length)
{
    CConnectionWrapper* channel = Connection();
    if (channel == nullptr)
        return -1;
    channel->Enqueue(length, bytes);
    return channel->Flush();
}

CRxBuffer* CDeviceCommandProcessor::GetSessionRxBuffer()
{
    CConnectionWrapper* channel = Connection();
    return channel != nullptr ? &channel->GetRxBuffer() : nullptr;
}

int CDeviceCommandProcessor::OnConnected()
{
    CV10CommandProcessor::OnConnected();
    ResetPhases();
    m_phase = TerminalPhase::Idle;
    if (GetConnectionType() == ConnectionType::Relay)
        return RequestPhase(TerminalPhase::DeviceId, ManagerStatus::Initialization);
    SetStatus(ManagerStatus::Transparent);
    EnterPhase(TerminalPhase::Session);
    m_session.protocol->Start();
    return 1;
}

void CDeviceCommandProcessor::OnDisconnected()
{
    CV10CommandProcessor::OnDisconnected();
    ResetPhases();
}

void CDeviceCommandProcessor::GetNextDeadline(int64_t& time)
{
    CV10CommandProcessor::GetNextDeadline(time);
    time = std::min(time, m_phaseDeadline);
}

int CDeviceCommandProcessor::OnTimer()
{
    const int result = CV10CommandProcessor::OnTimer();
    if (result < 0)
        return result;
    if (NowMilliseconds() < m_phaseDeadline)
        return result;
    m_phaseDeadline = kNoDeadline;
    return OnPhaseTimer();
}

int CDeviceCommandProcessor::OnRequestsDone()
{
    const bool timedOut = HasPendingRequests();
    const bool succeeded = std::all_of(CompletedRequests().begin(), CompletedRequests().end(),
                                       [](const TTerminalRequest& request) { return request.status == 0; });
    ClearRequests();
    if (!timedOut) {
        switch (m_phase) {
        case TerminalPhase::DeviceId:
            if (succeeded)
                return EnterPhase(TerminalPhase::Version);
            break;
        case TerminalPhase::Version:
            if (succeeded)
                return CheckVersion();
            break;
        case TerminalPhase::OpenPort:
            return EnterPhase(TerminalPhase::Idle);
        case TerminalPhase::KeepAlive:
            return EnterPhase(m_targetPhase);
        case TerminalPhase::None:
        case TerminalPhase::Idle:
        case TerminalPhase::Session:
            return 0;
        }
    }
    if (m_phase == TerminalPhase::None)
        return 0;
    if (m_phase == TerminalPhase::KeepAlive)
        return EnterPhase(m_targetPhase);
    SetPhaseTimer(PhaseRetryMs());
    return 0;
}

void CDeviceCommandProcessor::OnChannelOpened()
{
    SetStatus(ManagerStatus::Transparent);
    EnterPhase(TerminalPhase::Session);
    m_session.protocol->Start();
}

void CDeviceCommandProcessor::OnChannelClosed()
{
    m_session.protocol->Stop();
    if (CRxBuffer* buffer = GetSessionRxBuffer())
        buffer->SetPartialData(false);
    SetStatus(ManagerStatus::Idle);
    EnterPhase(TerminalPhase::Idle);
}

void CDeviceCommandProcessor::OnChannelData()
{
    m_session.protocol->OnReceive();
}

void CDeviceCommandProcessor::ResetPhases()
{
    m_phase = TerminalPhase::None;
    m_targetPhase = TerminalPhase::None;
    m_phaseDeadline = kNoDeadline;
    m_status = ManagerStatus::None;
    m_statusText.clear();
    m_session.protocol->Reset();
    m_trace->Clear();
}

void CDeviceCommandProcessor::SetStatus(ManagerStatus status)
{
    if (status == m_status)
        return;
    m_status = status;
    m_statusText = StatusSuffixText(status);
    Notify(ChangeBits::Terminal);
}

int CDeviceCommandProcessor::RequestPhase(TerminalPhase target, ManagerStatus status)
{
    SetStatus(status);
    m_targetPhase = target;
    if (m_phase == TerminalPhase::Idle && EnterPhase(target) < 0)
        return -1;
    return 1;
}

void CDeviceCommandProcessor::SetPhaseTimer(int32_t ms)
{
    m_phaseDeadline = ms == kNoTimer ? kNoDeadline : NowMilliseconds() + ms;
}

int CDeviceCommandProcessor::EnterPhase(TerminalPhase phase)
{
    const TerminalPhase oldPhase = m_phase;
    m_phase = phase;
    SetPhaseTimer(kNoTimer);
    switch (phase) {
    case TerminalPhase::DeviceId:
        return QueryDeviceId();
    case TerminalPhase::Version:
        if (QueryVersion() < 0 || QueryBoardRevision() < 0 || QueryBoard() < 0)
            return -1;
        return 0;
    case TerminalPhase::OpenPort:
        return OpenTerminalPort();
    case TerminalPhase::Idle:
        if (oldPhase < TerminalPhase::Idle)
            Notify(ChangeBits::Terminal);
        m_targetPhase = TerminalPhase::Idle;
        SetStatus(ManagerStatus::Idle);
        SetConnectionState(ConnectionState::Connected);
        SetPhaseTimer(kKeepAliveMs);
        return 0;
    case TerminalPhase::KeepAlive:
        return QueryDiagnostics();
    case TerminalPhase::None:
    case TerminalPhase::Session:
        return 0;
    }
    return 0;
}

int CDeviceCommandProcessor::CheckVersion()
{
    const TTerminalRecord& terminal = GetTerminalRecord();
    if (terminal.softwareVersion < kLowestVersion)
        return EnterPhase(TerminalPhase::Idle);
    SetDeviceName(TerminalDeviceName(terminal.deviceId, terminal.boardRevision / 100, terminal.softwareVersion));
    EnterPhase(TerminalPhase::Idle);
    StartTerminalPort();
    return 1;
}

int CDeviceCommandProcessor::StartTerminalPort()
{
    if ((m_phase != TerminalPhase::Idle && m_phase != TerminalPhase::KeepAlive) ||
        m_targetPhase != TerminalPhase::Idle)
        return 0;
    const TerminalPortParameters session = m_session.portParameters();
    SetPortParameters({session.port, session.baudRate, session.shortTime, session.longTime * 1000});
    return RequestPhase(TerminalPhase::OpenPort, ManagerStatus::Writing);
}

int CDeviceCommandProcessor::OnPhaseTimer()
{
    switch (m_phase) {
    case TerminalPhase::DeviceId:
    case TerminalPhase::Version:
    case TerminalPhase::OpenPort:
        return EnterPhase(m_phase);
    case TerminalPhase::Idle:
        return EnterPhase(TerminalPhase::KeepAlive);
    case TerminalPhase::Session:
        return m_session.protocol->OnTimeout();
    case TerminalPhase::None:
    case TerminalPhase::KeepAlive:
        return 0;
    }
    return 0;
}

int32_t CDeviceCommandProcessor::PhaseRetryMs() const
{
    return ActiveChannelKind() == CConnectionWrapper::kRelay ? kRelayRetryMs : kSerialRetryMs;
}
