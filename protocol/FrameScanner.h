// Finds the sensor's answers and LLS frames in a channel's receive buffer and hands them on.
#pragma once

#include "protocol/FrameScan.h"

#include <cstdint>

class CFrameScannerOwner;
class CRxBuffer;

class CFrameScanner : private CFrameVisitor
{
public:
    explicit CFrameScanner(CFrameScannerOwner& owner) : m_owner(owner) {}

    // Traces all pending bytes of the buffer, hands on every frame found in them, then removes
    // what is done with, keeping an incomplete frame from its first byte, and compacts the buffer.
    // Returns the number of frames found.
    int Scan(CRxBuffer& buffer);

private:
    void OnFrame(EFrameFamily family, unsigned offset, const uint8_t* frame, unsigned length) override;

    CFrameScannerOwner& m_owner;
    int m_found = 0;
};
