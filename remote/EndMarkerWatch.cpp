// Finds the terminal's end markers in transparent data, also one whose first bytes the session has already read.
#include "remote/EndMarkerWatch.h"

#include "runtime/ASCIIBuffer.h"

#include <cstring>
#include <string_view>

namespace
{
bool MarkerAt(const uint8_t* at, uint32_t available, std::string_view marker)
{
    return available >= marker.size() && std::memcmp(at, marker.data(), marker.size()) == 0;
}

// Offset of the first end marker that begins in p[0..starts) and lies complete in p[0..n); -1 none.
int32_t FindMarker(const uint8_t* p, uint32_t n, uint32_t starts)
{
    for (uint32_t i = 0; i < starts; ++i) {
        if (p[i] != '#')
            continue;
        const uint32_t available = n - i;
        // A "#" without room for the shorter marker leaves none for a later one either.
        if (available < TerminalReply::Closed.size())
            return -1;
        if (MarkerAt(p + i, available, TerminalReply::Closed) ||
            MarkerAt(p + i, available, TerminalReply::MonitorIdle))
            return static_cast<int32_t>(i);
    }
    return -1;
}
}

void CEndMarkerWatch::Clear()
{
    m_takenLength = 0;
    m_offered.clear();
}

int32_t CEndMarkerWatch::Find(const uint8_t* data, uint32_t n) const
{
    uint8_t seam[2 * kKept];
    const uint32_t joined = std::min(n, kKept);
    std::memcpy(seam, m_taken, m_takenLength);
    std::memcpy(seam + m_takenLength, data, joined);
    if (FindMarker(seam, m_takenLength + joined, m_takenLength) >= 0)
        return 0;
    return FindMarker(data, n, n);
}

void CEndMarkerWatch::Offer(const CASCIIBuffer& buffer)
{
    const uint8_t* unread = buffer.Data() + buffer.ReadPosition();
    m_offered.assign(unread, buffer.Data() + buffer.Length());
}

void CEndMarkerWatch::Settle(const CASCIIBuffer& buffer)
{
    const uint32_t left = std::min<uint32_t>(buffer.Length() - buffer.ReadPosition(),
                                             static_cast<uint32_t>(m_offered.size()));
    const uint32_t taken = static_cast<uint32_t>(m_offered.size()) - left;
    const uint32_t fromOffered = std::min(taken, kKept);
    const uint32_t fromKept = std::min(m_takenLength, kKept - fromOffered);
    std::memmove(m_taken, m_taken + m_takenLength - fromKept, fromKept);
    if (fromOffered > 0)
        std::memcpy(m_taken + fromKept, m_offered.data() + taken - fromOffered, fromOffered);
    m_takenLength = fromKept + fromOffered;
    m_offered.clear();
}
