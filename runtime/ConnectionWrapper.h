// The byte channel between the connection manager and the far end, with its transmit queue.
#pragma once

#include <cstdint>

#include "runtime/ErrorCodes.h"
#include "runtime/RefCount.h"
#include "runtime/TBuffer.h"

class CRxBuffer;

class CConnectionWrapper : public CRefCount {
public:
    enum EKind { kSerial = 1, kRelay = 2 };
    // lParam of a "Conn notify" message: which side of the channel has news.
    enum ESide { kInputSide = 1, kOutputSide = 2 };

    explicit CConnectionWrapper(int kind);
    ~CConnectionWrapper() override = default;

    // Offers bytes to the transport: > 0 accepted (accepted says how many), 0 busy (try again
    // after the next output event), < 0 failure.
    virtual int Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted) = 0;
    // The transport's handle: the socket for TCP, a constant for the serial channel.
    virtual intptr_t GetHandle() = 0;
    virtual bool IsConnected() = 0;
    virtual void Close() = 0;
    // Handles one "Conn notify" event on the interface thread: > 0 input is available in the
    // receive buffer, 0 nothing for the caller, < 0 the channel failed and has been closed.
    virtual int OnEvent(int code) = 0;
    virtual CRxBuffer& GetRxBuffer() = 0;

    // Queues bytes for the transport, flushing first when they do not fit. 1, or a negative
    // result of the flush (or -1 when the queue cannot grow).
    int Enqueue(uint32_t length, const uint8_t* bytes);
    // Offers the queue to Write and keeps what it did not take. 1 when nothing was queued,
    // otherwise the Write result.
    int Flush();

    int Kind() const { return m_kind; }
    uint32_t QueuedLength() const { return m_queuedLength; }

    // The system's error code that made the transport fail to open or fail later
    // (0 when it did not fail, or failed without one, like a peer closing in order).
    TErrorCode FailureCode() const { return m_failureCode; }

protected:
    void SetFailureCode(TErrorCode code) { m_failureCode = code; }

private:
    int m_kind;
    TErrorCode m_failureCode = 0;
    TBuffer m_queue;
    uint32_t m_queuedLength = 0;
};
