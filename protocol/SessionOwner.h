// What the sensor session needs from the object that hosts it (the connection manager).
#pragma once

#include <cstdint>

class CRxBuffer;

// Change bits the session hands to Notify; the owner ORs them into the word it
// posts to the main window.
namespace SessionNotify
{
constexpr uint32_t LiveValues = 0x200;   // a data record flag changed
constexpr uint32_t Settings = 0x400;     // settings or identification changed
constexpr uint32_t Status = 0x800;       // link, settings or firmware status, or activity
constexpr uint32_t Address = 0x1000;     // the sensor address changed
constexpr uint32_t DataLog = 0x2000;     // the data log opened, closed or stopped
constexpr uint32_t Everything = 0xE00;   // live values, settings and status at once
}

// The owner implements these; the session calls nothing else on it. Every call
// happens on the interface thread.
class CSessionOwner
{
public:
    // Notifications posted between Begin and End are coalesced into one post.
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

    // The terminal phase; 6 means the channel to the sensor is open.
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
