// The receive buffer of every byte channel, with the flag that lets raw sensor bytes count as data.
#pragma once

#include "runtime/ASCIIBufferTempl.h"

// The receive buffer of a channel: 2048 data bytes, room for 48 fields.
class CRxBuffer : public CASCIIBufferTempl<2048, 48>
{
public:
    // Commits n received bytes; true when a complete line, or with the partial-data flag any
    // data, is available.
    bool AppendReceived(uint32_t n);

    // Set while the sensor session reads raw bytes, which have no line ends.
    void SetPartialData(bool on) { m_partialData = on; }
    bool IsPartialData() const { return m_partialData; }

private:
    bool m_partialData = false;
};
