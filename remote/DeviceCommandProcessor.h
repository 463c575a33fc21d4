// Top layer of the connection manager: the terminal phase sequence and the hosting of the sensor session.
#pragma once

#include "protocol/SessionOwner.h"
#include "protocol/TransparentProcessor.h"
#include "remote/V10CommandProcessor.h"
#include "runtime/RefCount.h"

#include <functional>
#include <memory>
#include <string>

class CKivraProcessor;
class CTempLogger;
struct TerminalPortParameters;

// The session the manager hosts, and how to read the terminal port parameters it
// holds (long time in seconds there; the manager turns it into milliseconds).
struct THostedSession
{
    std::unique_ptr<CTransparentProcessor> protocol;
    std::function<TerminalPortParameters()> portParameters;
};
using TSessionMaker = std::function<THostedSession(CSessionOwner& owner)>;

// Steps of the terminal sequence.
namespace TerminalPhase
{
constexpr int None = 0;
constexpr int DeviceId = 1;
constexpr int Version = 2;
constexpr int OpenPort = 3;
constexpr int Idle = 4;
constexpr int KeepAlive = 5;
constexpr int Session = 6;
}

// The suffix shown after the connection state text.
namespace ManagerStatus
{
constexpr int None = 0;
constexpr int Initialization = 1;  // the terminal is being identified
constexpr int Reading = 2;         // never set by this program's flows
constexpr int Writing = 3;         // the terminal is opening its port
constexpr int Idle = 4;            // the terminal is idle, no suffix
constexpr int Transparent = 5;     // the sensor session's channel is open
constexpr int Last = Transparent;
}

class CDeviceCommandProcessor : public CV10CommandProcessor, public CSessionOwner
{
public:
    // Hosts the sensor session.
    CDeviceCommandProcessor();
    // Hosts the session the maker builds.
    explicit CDeviceCommandProcessor(const TSessionMaker& makeSession);
    ~CDeviceCommandProcessor() override;

    int GetPhase() const override { return m_phase; }
    int GetStatus() const { return m_status; }
    const std::wstring& GetStatusText() const { return m_statusText; }
    // The sensor session; null while another protocol is hosted.
    CKivraProcessor* GetSession() const { return m_kivra; }
    // Hands over and clears the trace text; false when there is none.
    bool TakeTraceText(std::wstring& text);

    // CSessionOwner
    void BeginNotifyBatch() override { CConnectionManagerBase::BeginNotifyBatch(); }
    void EndNotifyBatch() override { CConnectionManagerBase::EndNotifyBatch(); }
    void Notify(uint32_t bits) override { CConnectionManagerBase::Notify(bits); }
    void StartSessionTimer(int32_t ms) override;
    void TraceFrame(int received, uint32_t length, const uint8_t* bytes) override;
    int SendData(const uint8_t* bytes, uint32_t length) override;
    CRxBuffer* GetSessionRxBuffer() override;

protected:
    int OnConnected() override;
    void OnDisconnected() override;
    void GetNextDeadline(int64_t& time) override;
    int OnTimer() override;
    int OnRequestsDone() override;
    void OnChannelOpened() override;
    void OnChannelClosed() override;
    void OnChannelData() override;

private:
    void ResetPhases();
    void SetStatus(int status);
    int RequestPhase(int target, int status);
    void SetPhaseTimer(int32_t ms);
    int EnterPhase(int phase);
    int CheckVersion();
    int StartTerminalPort();
    int OnPhaseTimer();
    // Retry delay of a failed or unanswered phase.
    int32_t PhaseRetryMs() const;

    int m_phase = TerminalPhase::None;
    int m_targetPhase = TerminalPhase::None;
    int64_t m_phaseDeadline = kNoDeadline;
    int m_status = ManagerStatus::None;
    std::wstring m_statusText;
    THostedSession m_session;
    CKivraProcessor* m_kivra = nullptr;
    CRefPtr<CTempLogger> m_trace;
};
