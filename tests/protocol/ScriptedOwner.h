// A connection manager stand-in for session tests: records notifications, timers, traces and frames.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "protocol/SessionOwner.h"
#include "runtime/RxBuffer.h"
#include "tests/common/FrameBytes.h"

class CScriptedOwner : public CSessionOwner
{
public:
    // Batches as the manager does: bits noted inside a batch are posted once at its end.
    void BeginNotifyBatch() override { ++m_depth; }
    void EndNotifyBatch() override
    {
        if (--m_depth > 0)
            return;
        if (m_pending)
            posts.push_back(m_pending);
        m_pending = 0;
        m_depth = 0;
    }
    void Notify(uint32_t bits) override
    {
        m_pending |= bits;
        if (m_depth <= 0) {
            posts.push_back(m_pending);
            m_pending = 0;
        }
    }
    void StartSessionTimer(int32_t ms) override { timer = ms; }
    void TraceFrame(int received, uint32_t length, const uint8_t* bytes) override
    {
        (received ? tracedIn : tracedOut).emplace_back(bytes, bytes + length);
    }
    int SendData(const uint8_t* bytes, uint32_t length) override
    {
        sent.emplace_back(bytes, bytes + length);
        return 1;
    }
    int GetPhase() const override { return phase; }
    CRxBuffer* GetSessionRxBuffer() override { return &rx; }

    // The timer as the manager arms it: the link's response time for the default value.
    int32_t TimerMs() const { return timer <= 0 ? (relay ? 60000 : 2000) : timer; }

    void Receive(const Bytes& bytes)
    {
        std::memcpy(rx.Data() + rx.Length(), bytes.data(), bytes.size());
        rx.AppendReceived(uint32_t(bytes.size()));
    }

    // OR of everything posted since the last call.
    uint32_t TakePosted()
    {
        uint32_t all = 0;
        for (uint32_t bits : posts)
            all |= bits;
        posts.clear();
        return all;
    }

    int phase = kSessionPhase;
    bool relay = false;
    int32_t timer = kCancelTimer;
    std::vector<uint32_t> posts;
    std::vector<Bytes> sent;
    std::vector<Bytes> tracedOut;
    std::vector<Bytes> tracedIn;
    CRxBuffer rx;

private:
    int m_depth = 0;
    uint32_t m_pending = 0;
};
