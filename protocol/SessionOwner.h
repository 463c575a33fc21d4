// What the sensor session needs from the object that hosts it (the connection manager).
#pragma once

#include <cstdint>

#include "protocol/UpdateBits.h"

class CRxBuffer;

// The owner implements these; the session calls nothing else on it. Every call
// happens on the interface thread.
class CSessionOwner
{
public:
    // Notifications posted between Begin and End are coalesced into one post; the bits are
    // SessionNotify's, which the owner ORs into the word it posts to the main window.
    virtual void BeginNotifyBatch() = 0;
    virtual void EndNotifyBatch() = 0;
    virtual void Notify(uint32_t bits) = 0;

    // Arms the session's response or pause timer: ms <= 0 asks for the link's
    // default response time, 0x7FFFFFFF cancels, any other value fires after ms.
    virtual void StartSessionTimer(int32_t ms) = 0;

    // Offers a frame to the communication trace: received 0 = sent by us, 1 = from the sensor.
    virtual void TraceFrame(int received, uint32_t length, const uint8_t* bytes) = 0;

    // Queues bytes on the active channel and flushes; > 0 sent, 0 queued, < 0 failure.
    virtual int SendData(const uint8_t* bytes, uint32_t length) = 0;

    // The terminal phase; kSessionPhase means the channel to the sensor is open.
    virtual int GetPhase() const = 0;

    // Receive buffer of the active connection, or nullptr when there is none.
    virtual CRxBuffer* GetSessionRxBuffer() = 0;

protected:
    ~CSessionOwner() = default;
};

// Phase of the owner in which the sensor channel is open.
constexpr int kSessionPhase = 6;

// StartSessionTimer values with a meaning of their own.
constexpr int32_t kDefaultResponseTimer = 0;
constexpr int32_t kCancelTimer = 0x7FFFFFFF;
