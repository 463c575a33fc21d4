// Bookkeeping of one overlapped port operation: active while it holds the caller's event.
#pragma once

#include <windows.h>

// A read or write request, and what a finished operation reports: bytes transferred and a second
// value (read: the port's error flags; write: the requested length).
struct TCommRequest {
    DWORD length;
    void* buffer;
};
struct TCommReport {
    DWORD transferred;
    DWORD second;
};

class TOverlappedOperation {
public:
    bool IsActive() const { return m_overlapped.hEvent != nullptr; }
    // False when already active; otherwise resets the event and takes the request.
    bool Begin(HANDLE event, const TCommRequest& request);
    // The platform call finished without pending: keep its results and signal the event anyway,
    // so that the caller handles it like any completion.
    void CompleteAtOnce(DWORD transferred, DWORD second);
    // Back to idle.
    void Clear();
    // Back to idle, with the event it held reset.
    void Cancel();

    OVERLAPPED* Overlapped() { return &m_overlapped; }
    HANDLE Event() const { return m_overlapped.hEvent; }
    bool CompletedAtOnce() const { return m_completedAtOnce; }
    DWORD RequestedLength() const { return m_length; }
    void* Buffer() const { return m_buffer; }
    TCommReport ImmediateReport() const { return {m_result1, m_result2}; }

private:
    OVERLAPPED m_overlapped{};
    bool m_completedAtOnce = false;
    DWORD m_length = 0;
    void* m_buffer = nullptr;
    DWORD m_result1 = 0;
    DWORD m_result2 = 0;
};
