// Middle layer of the connection manager: terminal commands, their answers and the channel modes.
#pragma once

#include "remote/ConnectionManagerBase.h"
#include "remote/EndMarkerWatch.h"

#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

struct CKeywordEntry;

namespace ChannelMode
{
constexpr int Command = 0;     // received lines are terminal replies
constexpr int Transparent = 1; // bytes belong to the sensor session; end markers watched
constexpr int Direct = 2;      // the sensor on a local port, no terminal
}

// Request codes of the terminal commands.
namespace TerminalCode
{
constexpr int32_t Version = 0;
constexpr int32_t DeviceId = 2;
constexpr int32_t Board = 3;
constexpr int32_t BoardRevision = 4;
constexpr int32_t Diagnostics = 8;
constexpr int32_t OpenPort = 66;
}

// One command sent to the terminal and waiting for its closing line.
struct TTerminalRequest
{
    int32_t code = 0;
    const CKeywordEntry* expectedReply = nullptr;
    int32_t status = 0; // 0 success, else the terminal's error code
    int64_t deadline = kNoDeadline;
};

// What the system takes from the terminal's answers.
struct TTerminalRecord
{
    int32_t deviceId = 0;
    int32_t softwareVersion = 0;
    int32_t boardRevision = 0;
};

// Arguments of the port-open command; the times in milliseconds.
struct TTerminalPortParameters
{
    uint32_t port = 0;
    uint32_t baudRate = 0;
    uint32_t shortTimeMs = 0;
    uint32_t longTimeMs = 0;
};

class CV10CommandProcessor : public CConnectionManagerBase
{
public:
    const TTerminalRecord& GetTerminalRecord() const { return m_terminal; }
    int GetChannelMode() const { return m_channelMode; }
    void SetPortParameters(const TTerminalPortParameters& parameters) { m_portParameters = parameters; }

    int QueryVersion();
    int QueryDeviceId();
    int QueryBoard();
    int QueryBoardRevision();
    int QueryDiagnostics();
    int OpenTerminalPort();

protected:
    CV10CommandProcessor() = default;

    // Queues the request and sends the text: 1 sent or queued, 0 waiting, < 0 failed.
    int SendCommand(std::string_view text, const TTerminalRequest& request);
    void ClearRequests();
    int CompleteRequest();
    void ParseReply(CRxBuffer& buffer);

    bool HasPendingRequests() const { return !m_pending.empty(); }
    const std::vector<TTerminalRequest>& CompletedRequests() const { return m_completed; }

    int OnConnected() override;
    void OnDisconnected() override;
    void GetNextDeadline(int64_t& time) override;
    int OnTimer() override;
    int OnData() override;
    bool IsReadingLines() const override;

    // The last pending request completed, or the oldest timed out (still pending).
    virtual int OnRequestsDone();
    virtual void OnChannelOpened();
    virtual void OnChannelClosed();
    virtual void OnChannelData();

private:
    int Query(std::string_view text, int32_t code, const CKeywordEntry& reply, int64_t timeoutMs);
    int ReadCommandLines(CRxBuffer& buffer);
    // Cuts transparent data at an end marker; true when one was found.
    bool CutAtEndMarker(CRxBuffer& buffer);
    void ClearTerminal();

    int m_channelMode = ChannelMode::Command;
    std::deque<TTerminalRequest> m_pending;
    std::vector<TTerminalRequest> m_completed;
    TTerminalRecord m_terminal;
    TTerminalPortParameters m_portParameters;
    CEndMarkerWatch m_endMarkers;
};
