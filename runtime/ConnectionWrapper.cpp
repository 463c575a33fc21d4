// The byte channel's transmit queue: bytes wait here until the transport accepts them.
#include "runtime/ConnectionWrapper.h"

#include <cstring>

namespace {
constexpr std::size_t kInitialQueueSize = 1024;
}

CConnectionWrapper::CConnectionWrapper(int kind) : m_kind(kind), m_queue(kInitialQueueSize) {}

int CConnectionWrapper::Enqueue(uint32_t length, const uint8_t* bytes)
{
    if (std::size_t{m_queuedLength} + length > m_queue.Size()) {
        const int flushed = Flush();
        if (flushed < 0)
            return flushed;
        // A queue that cannot grow would lose the bytes while reporting success.
        const std::size_t needed = std::size_t{m_queuedLength} + length;
        if (needed > m_queue.Size() && !m_queue.Resize(needed))
            return -1;
    }
    if (length)
        std::memcpy(m_queue.Data() + m_queuedLength, bytes, length);
    m_queuedLength += length;
    return 1;
}

int CConnectionWrapper::Flush()
{
    if (m_queuedLength == 0)
        return 1;
    uint32_t accepted = 0;
    const int written = Write(m_queue.Data(), m_queuedLength, accepted);
    if (written <= 0)
        return written;
    if (accepted < m_queuedLength) {
        std::memmove(m_queue.Data(), m_queue.Data() + accepted, m_queuedLength - accepted);
        m_queuedLength -= accepted;
    } else {
        m_queuedLength = 0;
    }
    return written;
}
