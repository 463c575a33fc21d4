// Bottom layer of the connection manager: the channel, the connection state, timer and notifications, relay handshake.
#include "remote/ConnectionManagerBase.h"

#include "protocol/UpdateBits.h"
#include "remote/ConnectionTexts.h"
#include "remote/RelayReplies.h"
#include "runtime/RxBufferLines.h"
#include "runtime/RxBuffer.h"
#include "runtime/ProcessClock.h"
#include "runtime/SerialReadGap.h"
#include "runtime/TRegKey1.h"

#include <algorithm>
#include <cstdio>

namespace
{
constexpr int64_t kShortestTimerMs = 10;
constexpr int64_t kLongestTimerMs = 10000;
constexpr unsigned kRelayEvents = 0x33; // read, write, connect, close
constexpr uint32_t kComPortChars = 64;
constexpr uint32_t kAddressChars = 128;
}

CConnectionManagerBase::CConnectionManagerBase()
    : m_stateText(ConnectionStateText(ConnectionState::None, std::wstring())), m_channels(&PlatformChannels())
{
}

CConnectionManagerBase::~CConnectionManagerBase() = default;

void CConnectionManagerBase::SetNotifyTarget(TWindowHandle window, unsigned timerId, unsigned channelMessage,
                                             unsigned updateMessage)
{
    m_notifyWindow = window;
    m_timerId = timerId;
    m_armedDeadline = kNoDeadline;
    m_channelMessage = channelMessage;
    m_updateMessage = updateMessage;
}

bool CConnectionManagerBase::LoadSettings(TRegKey1& key)
{
    wchar_t port[kComPortChars];
    uint32_t length = kComPortChars;
    const bool havePort = key.GetString(L"COM Port", &length, port);
    if (havePort)
        m_comPort = port;
    wchar_t address[kAddressChars];
    length = kAddressChars;
    if (key.GetString(L"IP Address", &length, address))
        m_serverAddress = address;
    // Set by hand for an adapter that needs a longer gap than the line's; never written back.
    uint32_t gap = 0;
    if (key.GetDword(L"Serial Read Gap", &gap))
        m_readGapMs = std::min(gap, kLongestReadGapMs);
    return havePort;
}

void CConnectionManagerBase::SaveSettings(TRegKey1& key)
{
    key.SetString(L"COM Port", m_comPort.c_str());
    key.SetString(L"IP Address", m_serverAddress.c_str());
}

int CConnectionManagerBase::SetTerminalId(uint32_t id)
{
    const bool same = id == m_terminalId && m_terminalId != 0;
    if (m_connectionState != ConnectionState::None)
        return same ? 0 : -1;
    if (same)
        return 0;
    m_terminalId = id;
    return 1;
}

int CConnectionManagerBase::Open()
{
    if (m_connection)
        return 0;
    CNotifyBatch batch(*this);
    m_failureCode = 0;
    m_connectionLost = false;
    int result = 0;
    if (m_connectionType == ConnectionType::Relay) {
        SetConnectionState(ConnectionState::ServerConnecting);
        result = m_channels->ConnectRelay(m_serverAddress, m_notifyWindow, m_channelMessage, kRelayEvents,
                                          m_connection);
    } else {
        SetConnectionState(ConnectionState::ChannelOpen);
        result = m_channels->OpenSerial(m_comPort, m_baudRate, m_readGapMs, m_notifyWindow, m_channelMessage, m_connection);
        if (result > 0) {
            m_deviceName = SensorDeviceName();
            SetConnectionState(ConnectionState::Connected);
            Notify(ChangeBits::ChannelOpened);
            result = OnConnected();
        }
    }
    if (result < 0) {
        NoteChannelFailure(false);
        SetConnectionState(ConnectionState::None);
    }
    return result;
}

void CConnectionManagerBase::Disconnect()
{
    SetConnectionState(ConnectionState::None);
}

void CConnectionManagerBase::OnWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    const bool channelEvent = message == m_channelMessage;
    if (!channelEvent && !(message == kTimerMessage && wParam == m_timerId))
        return;
    CNotifyBatch batch(*this);
    const bool wasOpen = m_connection && m_connectionState != ConnectionState::None;
    const int result = channelEvent ? HandleChannelEvent(lParam) : OnTimer();
    if (result < 0) {
        NoteChannelFailure(wasOpen);
        SetConnectionState(ConnectionState::None);
    } else
        RearmTimer(!channelEvent);
}

void CConnectionManagerBase::BeginNotifyBatch()
{
    ++m_notifyDepth;
}

void CConnectionManagerBase::EndNotifyBatch()
{
    if (--m_notifyDepth > 0)
        return;
    if (m_pendingBits != 0)
        PostWindowMessage(m_notifyWindow, m_updateMessage, m_pendingBits, 0);
    m_notifyDepth = 0;
    m_pendingBits = 0;
}

void CConnectionManagerBase::Notify(uint32_t bits)
{
    m_pendingBits |= bits;
    if (m_notifyDepth > 0)
        return;
    PostWindowMessage(m_notifyWindow, m_updateMessage, m_pendingBits, 0);
    m_pendingBits = 0;
}

int CConnectionManagerBase::OnConnected()
{
    m_relayDeadline = kNoDeadline;
    return 0;
}

void CConnectionManagerBase::OnDisconnected()
{
}

void CConnectionManagerBase::GetNextDeadline(int64_t& time)
{
    time = std::min(time, m_relayDeadline);
}

int CConnectionManagerBase::OnTimer()
{
    if (NowMilliseconds() < m_relayDeadline)
        return 0;
    m_relayDeadline = kNoDeadline;
    if (!m_connection || m_connectionState != ConnectionState::ConnectRequested)
        return 0;
    return SendConnectRequest();
}

int CConnectionManagerBase::OnData()
{
    return 0;
}

void CConnectionManagerBase::SetConnectionState(ConnectionState state)
{
    if (state == m_connectionState)
        return;
    m_connectionState = state;
    m_stateText = ConnectionStateText(state, m_deviceName);
    if (state != ConnectionState::None) {
        Notify(ChangeBits::State);
        return;
    }
    OnDisconnected();
    m_connection.Reset();
    Notify(ChangeBits::Everything);
}

void CConnectionManagerBase::NoteChannelFailure(bool wasOpen)
{
    if (!m_connection)
        return;
    m_failureCode = m_connection->FailureCode();
    // A relay that never connected did not drop: it could not be reached.
    m_connectionLost = wasOpen && (m_connection->Kind() == CConnectionWrapper::kSerial || m_connectionState >= ConnectionState::ServerReady);
}

std::wstring CConnectionManagerBase::GetConnectionLostText() const
{
    const std::wstring& where = m_connectionType == ConnectionType::Relay ? m_serverAddress : m_comPort;
    return ConnectionLostText(where, m_failureCode);
}

int CConnectionManagerBase::ActiveChannelKind() const
{
    return m_connection ? m_connection->Kind() : 0;
}

int CConnectionManagerBase::SendConnectRequest()
{
    if (m_terminalId == 0)
        return 0;
    char request[24];
    const int length = std::snprintf(request, sizeof request, "@CON=%u\r", static_cast<unsigned>(m_terminalId));
    if (m_connection->Enqueue(static_cast<uint32_t>(length), reinterpret_cast<const uint8_t*>(request)) < 0 ||
        m_connection->Flush() < 0)
        return -1;
    m_relayDeadline = kNoDeadline;
    SetConnectionState(ConnectionState::ConnectRequested);
    return 1;
}

int CConnectionManagerBase::ClassifyServerLine(CRxBuffer& buffer)
{
    if (buffer.MatchRecord(RelayReply::Ok) == 1)
        return RelayReply::ClassOk;
    if (buffer.MatchRecord(RelayReply::Error) == 1)
        return RelayReply::ClassError;
    if (buffer.MatchRecord(RelayReply::List) == 1)
        return RelayReply::ClassList;
    return RelayReply::ClassOther;
}

int CConnectionManagerBase::OnConnectReply(CRxBuffer& buffer)
{
    switch (ClassifyServerLine(buffer)) {
    case RelayReply::ClassOk:
        if (m_terminalId == 0)
            return -1;
        Notify(ChangeBits::ChannelOpened);
        SetConnectionState(ConnectionState::ChannelOpen);
        OnConnected();
        break;
    case RelayReply::ClassError: {
        const int32_t code = buffer.FieldInt(0);
        Notify(ChangeBits::ChannelOpened);
        if (code < RelayReply::FirstRetryCode)
            SetConnectionState(ConnectionState::None);
        else
            m_relayDeadline = NowMilliseconds() + RelayReply::RetryDelayMs;
        break;
    }
    default:
        break;
    }
    return 1;
}

int CConnectionManagerBase::HandleChannelEvent(std::intptr_t lParam)
{
    if (!m_connection)
        return 0;
    // Held here so that a disconnect decided while the event is handled cannot
    // free the channel (and the buffer being read) under our feet.
    const CRefPtr<CConnectionWrapper> channel = m_connection;
    const int result = channel->OnEvent(static_cast<int>(lParam));
    if (result < 0 || m_connectionState == ConnectionState::None)
        return result;
    // A connection that completed at once is reported by no connect event, so
    // any later event that finds it connected moves on.
    if (m_connectionState == ConnectionState::ServerConnecting) {
        if (!channel->IsConnected())
            return 0;
        SetConnectionState(ConnectionState::ServerReady);
        return SendConnectRequest();
    }
    if (result == 0) {
        if (IsReadingLines())
            EndLineScan(channel->GetRxBuffer(), false);
        return 0;
    }
    if (m_connectionState < ConnectionState::ChannelOpen) {
        const int lines = RunRelayLines();
        if (lines < 0 || m_connectionState < ConnectionState::ChannelOpen)
            return lines;
    }
    return OnData();
}

bool CConnectionManagerBase::IsReadingLines() const
{
    return m_connectionState >= ConnectionState::ReadingTerminals &&
           m_connectionState <= ConnectionState::ConnectRequested;
}

int CConnectionManagerBase::RunRelayLines()
{
    CRxBuffer& buffer = m_connection->GetRxBuffer();
    bool handled = false;
    while (m_connectionState >= ConnectionState::ReadingTerminals &&
           m_connectionState <= ConnectionState::ConnectRequested) {
        int status = 0;
        buffer.GetLine(status, true);
        if (status != CASCIIBuffer::LineComplete) {
            EndLineScan(buffer, handled);
            return 1;
        }
        if (m_connectionState == ConnectionState::ConnectRequested && OnConnectReply(buffer) < 0)
            return -1;
        if (m_connectionState == ConnectionState::None)
            return 1; // refused: the channel is gone with everything it held
        buffer.SkipLine();
        handled = true;
    }
    return 1;
}

void CConnectionManagerBase::RearmTimer(bool ticked)
{
    int64_t deadline = kNoDeadline;
    GetNextDeadline(deadline);
    const int64_t now = NowMilliseconds();
    // A deadline of "never" minus now cannot overflow: now is positive.
    const int64_t delay = std::clamp(deadline - now, kShortestTimerMs, kLongestTimerMs);
    const bool exact = delay == deadline - now;
    // Every timer call is a round trip to the window system, and most channel events (a read,
    // a write done) leave the deadline where it was; a timer that has ticked repeats with its
    // old period, so it is always set again. Setting it replaces the one of the same id.
    if (!ticked && exact && deadline == m_armedDeadline)
        return;
    SetWindowTimer(m_notifyWindow, m_timerId, static_cast<unsigned>(delay));
    m_armedDeadline = exact ? deadline : kNoDeadline;
}
