// Top layer of the connection manager: the terminal phase sequence and the hosting of the sensor session.
#pragma once

#include "protocol/SessionOwner.h"
#include "protocol/TransparentProcessor.h"
#include "remote/ManagerStates.h"
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

// The session knows the one phase in which its channel is open by number.
static_assert(static_cast<int>(TerminalPhase::Session) == kSessionPhase);

class CDeviceCommandProcessor : public CV10CommandProcessor, public CSessionOwner
{
public:
    // Hosts the sensor session.
    CDeviceCommandProcessor();
    // Hosts the session the maker builds.
    explicit CDeviceCommandProcessor(const TSessionMaker& makeSession);
    ~CDeviceCommandProcessor() override;

    TerminalPhase GetTerminalPhase() const { return m_phase; }
    ManagerStatus GetStatus() const { return m_status; }
    const std::wstring& GetStatusText() const { return m_statusText; }
    // The sensor session; null while another protocol is hosted.
    CKivraProcessor* GetSession() const { return m_kivra; }
    // Hands over and clears the trace text; false when there is none.
    bool TakeTraceText(std::wstring& text);

    // CSessionOwner
    int GetPhase() const override { return static_cast<int>(m_phase); }
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
    void SetStatus(ManagerStatus status);
    int RequestPhase(TerminalPhase target, ManagerStatus status);
    void SetPhaseTimer(int32_t ms);
    int EnterPhase(TerminalPhase phase);
    int CheckVersion();
    int StartTerminalPort();
    int OnPhaseTimer();
    // Retry delay of a failed or unanswered phase.
    int32_t PhaseRetryMs() const;

    TerminalPhase m_phase = TerminalPhase::None;
    TerminalPhase m_targetPhase = TerminalPhase::None;
    int64_t m_phaseDeadline = kNoDeadline;
    ManagerStatus m_status = ManagerStatus::None;
    std::wstring m_statusText;
    THostedSession m_session;
    CKivraProcessor* m_kivra = nullptr;
    CRefPtr<CTempLogger> m_trace;
};
