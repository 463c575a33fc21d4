// Finds the terminal's end markers in transparent data, also one whose first bytes the session has already read.
#pragma once

#include "remote/TerminalReplies.h"

#include <algorithm>
#include <cstdint>
#include <vector>

class CASCIIBuffer;

// The sensor session reads what it is handed at once (a sensor frame may end in "#"), so the
// start of a marker split across receptions may already be gone from the receive buffer when
// its end arrives. The watch keeps the last bytes the session took, as many as a marker can
// have before its last byte, and matches the markers across that boundary as well.
class CEndMarkerWatch
{
public:
    // A new transparent period: nothing taken yet.
    void Clear();

    // Where the unread bytes data[0..n) are to be cut for an end marker: its offset, 0 when the
    // marker began in bytes already taken; -1 when there is none.
    int32_t Find(const uint8_t* data, uint32_t n) const;

    // Around the session's read: the unread bytes it is handed, then what it left unread of
    // them (always their end).
    void Offer(const CASCIIBuffer& buffer);
    void Settle(const CASCIIBuffer& buffer);

private:
    // The longest marker less its last byte.
    static constexpr uint32_t kKept =
        static_cast<uint32_t>(std::max(TerminalReply::Closed.size(), TerminalReply::MonitorIdle.size()) - 1);

    uint8_t m_taken[kKept] = {};
    uint32_t m_takenLength = 0;
    std::vector<uint8_t> m_offered;
};
