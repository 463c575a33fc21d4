// Middle layer of the connection manager: terminal commands, their answers and the channel modes.
#include "remote/V10CommandProcessor.h"

#include "runtime/RxBuffer.h"
#include "runtime/RxBufferLines.h"
#include "remote/TerminalReplies.h"
#include "runtime/ProcessClock.h"

#include <algorithm>
#include <cstdio>

namespace
{
// Answers through the relay server may take this much longer.
constexpr int64_t kRelayExtraMs = 120000;
}

int CV10CommandProcessor::QueryVersion()
{
    return Query("#VER?\r", TerminalCode::Version, TerminalReply::Version, 500);
}

int CV10CommandProcessor::QueryDeviceId()
{
    return Query("#DEVID?\r", TerminalCode::DeviceId, TerminalReply::DeviceId, 500);
}

int CV10CommandProcessor::QueryBoard()
{
    return Query("#BRD?\r", TerminalCode::Board, TerminalReply::Board, 2000);
}

int CV10CommandProcessor::QueryBoardRevision()
{
    return Query("#BRDREV?\r", TerminalCode::BoardRevision, TerminalReply::BoardRevision, 2000);
}

int CV10CommandProcessor::QueryDiagnostics()
{
    return Query("#DIAG?\r", TerminalCode::Diagnostics, TerminalReply::Diagnostics, 2000);
}

int CV10CommandProcessor::OpenTerminalPort()
{
    // The terminal counts both times in units of 10 ms.
    char text[64];
    const int length = std::snprintf(text, sizeof text, "#SEROPN=%u,%u,0,%u,%u\r", m_portParameters.port,
                                     m_portParameters.baudRate, m_portParameters.shortTimeMs / 10,
                                     m_portParameters.longTimeMs / 10);
    return Query(std::string_view(text, static_cast<std::size_t>(length)), TerminalCode::OpenPort,
                 TerminalReply::PortOpened, 2000);
}

int CV10CommandProcessor::Query(std::string_view text, int32_t code, const CKeywordEntry& reply, int64_t timeoutMs)
{
    TTerminalRequest request;
    request.code = code;
    request.expectedReply = &reply;
    request.deadline = NowMilliseconds() + timeoutMs;
    return SendCommand(text, request);
}

int CV10CommandProcessor::SendCommand(std::string_view text, const TTerminalRequest& request)
{
    CConnectionWrapper* channel = Connection();
    if (channel == nullptr)
        return -1;
    // The request is queued even when the bytes cannot go out: its time-out then
    // brings the retry whose failing send drops the connection.
    channel->Enqueue(static_cast<uint32_t>(text.size()), reinterpret_cast<const uint8_t*>(text.data()));
    TTerminalRequest queued = request;
    if (channel->Kind() == CConnectionWrapper::kRelay)
        queued.deadline += kRelayExtraMs;
    m_pending.push_back(queued);
    return channel->Flush();
}

void CV10CommandProcessor::ClearRequests()
{
    m_pending.clear();
    m_completed.clear();
}

int CV10CommandProcessor::CompleteRequest()
{
    if (m_pending.empty())
        return 0;
    m_completed.push_back(m_pending.front());
    m_pending.pop_front();
    return m_pending.empty() ? OnRequestsDone() : 0;
}

void CV10CommandProcessor::ParseReply(CRxBuffer& buffer)
{
    switch (m_pending.front().code) {
    case TerminalCode::Version:
        m_terminal.softwareVersion = buffer.FieldInt(3);
        m_terminal.boardRevision = static_cast<int32_t>(buffer.FieldHex(4));
        break;
    case TerminalCode::DeviceId:
        m_terminal.deviceId = buffer.FieldInt(0);
        break;
    case TerminalCode::OpenPort:
        m_pending.front().status = 0;
        CompleteRequest();
        m_channelMode = ChannelMode::Transparent;
        m_endMarkers.Clear();
        buffer.SkipLine();
        buffer.RestoreTerminators();
        buffer.Compact();
        OnChannelOpened();
        break;
    default:
        break;
    }
}

int CV10CommandProcessor::OnConnected()
{
    ClearTerminal();
    m_channelMode = GetConnectionType() == ConnectionType::Relay ? ChannelMode::Command : ChannelMode::Direct;
    return CConnectionManagerBase::OnConnected();
}

void CV10CommandProcessor::OnDisconnected()
{
    ClearTerminal();
    m_channelMode = ChannelMode::Command;
}

void CV10CommandProcessor::GetNextDeadline(int64_t& time)
{
    CConnectionManagerBase::GetNextDeadline(time);
    if (!m_pending.empty())
        time = std::min(time, m_pending.front().deadline);
}

int CV10CommandProcessor::OnTimer()
{
    const int result = CConnectionManagerBase::OnTimer();
    if (result < 0)
        return result;
    if (!m_pending.empty() && NowMilliseconds() >= m_pending.front().deadline) {
        m_pending.front().deadline = kNoDeadline;
        return OnRequestsDone();
    }
    return result;
}

int CV10CommandProcessor::OnData()
{
    CRxBuffer& buffer = Connection()->GetRxBuffer();
    if (m_channelMode == ChannelMode::Command) {
        const int result = ReadCommandLines(buffer);
        if (m_channelMode == ChannelMode::Command)
            return result;
    }
    const bool transparent = m_channelMode == ChannelMode::Transparent;
    const bool closed = transparent && CutAtEndMarker(buffer);
    const bool watching = transparent && !closed;
    if (watching)
        m_endMarkers.Offer(buffer);
    OnChannelData();
    if (watching)
        m_endMarkers.Settle(buffer);
    if (closed) {
        OnChannelClosed();
        buffer.SetPartialData(false);
        buffer.Clear();
        m_channelMode = ChannelMode::Command;
    }
    return 1;
}

bool CV10CommandProcessor::IsReadingLines() const
{
    return CConnectionManagerBase::IsReadingLines() ||
           (GetConnectionState() >= ConnectionState::ChannelOpen && m_channelMode == ChannelMode::Command);
}

int CV10CommandProcessor::ReadCommandLines(CRxBuffer& buffer)
{
    bool handled = false;
    while (m_channelMode == ChannelMode::Command) {
        int status = 0;
        const char* line = buffer.GetLine(status, true);
        if (status != CASCIIBuffer::LineComplete) {
            EndLineScan(buffer, handled);
            return 1;
        }
        handled = true;
        if (line[0] == '#' && !m_pending.empty()) {
            bool closing = true;
            if (buffer.MatchRecord(TerminalReply::Error) == 1)
                m_pending.front().status = buffer.FieldInt(0);
            else if (buffer.MatchRecord(TerminalReply::Ok) == 1)
                m_pending.front().status = 0;
            else
                closing = false;
            if (closing) {
                if (CompleteRequest() < 0)
                    return -1;
            } else if (const CKeywordEntry* expected = m_pending.front().expectedReply;
                       expected != nullptr && buffer.MatchRecord(*expected) == 1) {
                const uint32_t unread = buffer.Length() - buffer.ReadPosition();
                ParseReply(buffer);
                if (buffer.Length() - buffer.ReadPosition() != unread)
                    continue;
                if (!expected->line)
                    return 1;
            }
        }
        buffer.SkipLine();
    }
    return 0;
}

bool CV10CommandProcessor::CutAtEndMarker(CRxBuffer& buffer)
{
    buffer.RestoreTerminators();
    const uint8_t* unread = buffer.Data() + buffer.ReadPosition();
    const int32_t cut = m_endMarkers.Find(unread, buffer.Length() - buffer.ReadPosition());
    if (cut < 0)
        return false;
    buffer.TruncateAt(unread + cut);
    return true;
}

void CV10CommandProcessor::ClearTerminal()
{
    m_terminal = TTerminalRecord();
    ClearRequests();
}

int CV10CommandProcessor::OnRequestsDone()
{
    return 0;
}

void CV10CommandProcessor::OnChannelOpened()
{
}

void CV10CommandProcessor::OnChannelClosed()
{
}

void CV10CommandProcessor::OnChannelData()
{
}
