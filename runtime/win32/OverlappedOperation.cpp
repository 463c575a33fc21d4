// Bookkeeping of one overlapped port operation.
#include "runtime/win32/OverlappedOperation.h"

bool TOverlappedOperation::Begin(HANDLE event, const TCommRequest& request)
{
    if (IsActive())
        return false;
    ResetEvent(event);
    m_overlapped = OVERLAPPED{};
    m_overlapped.hEvent = event;
    m_completedAtOnce = false;
    m_length = request.length;
    m_buffer = request.buffer;
    m_result1 = 0;
    m_result2 = 0;
    return true;
}

void TOverlappedOperation::CompleteAtOnce(DWORD transferred, DWORD second)
{
    m_completedAtOnce = true;
    m_result1 = transferred;
    m_result2 = second;
    SetEvent(m_overlapped.hEvent);
}

void TOverlappedOperation::Clear()
{
    m_overlapped.hEvent = nullptr;
    m_completedAtOnce = false;
    m_length = 0;
    m_buffer = nullptr;
    m_result1 = 0;
    m_result2 = 0;
}

void TOverlappedOperation::Cancel()
{
    const HANDLE event = m_overlapped.hEvent;
    Clear();
    if (event)
        ResetEvent(event);
}
