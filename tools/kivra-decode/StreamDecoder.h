// Decodes the bytes of one direction of a trace with the product's frame scanner.
#pragma once

#include "FrameReport.h"

#include "protocol/FrameScan.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CStreamDecoder : private CFrameVisitor
{
public:
    // Sent bytes hold requests, received bytes answers and LLS frames, bytes of unknown
    // direction any of them.
    CStreamDecoder(EDirection direction, CReportSink& sink);

    // A trace line shows everything pending in the receive buffer, so it repeats the bytes kept
    // from the line before; when it does not, those bytes never completed a frame.
    void TakeSnapshot(const uint8_t* bytes, size_t length);
    // Bytes that continue the stream (plain hexadecimal input).
    void TakeBytes(const uint8_t* bytes, size_t length);
    // End of input: bytes still kept are reported as skipped.
    void Finish();

private:
    void Scan();
    void OnFrame(EFrameFamily family, unsigned offset, const uint8_t* frame, unsigned length) override;
    // Bytes between frames: skipped, except a frame-shaped run with a wrong checksum that ends
    // exactly where they end, which is reported as a damaged frame.
    void ReportUnframed(const uint8_t* bytes, unsigned length);
    void ReportFrame(EReportFamily family, const uint8_t* frame, unsigned length, bool crcOk);
    void ReportSkipped(unsigned length);

    EDirection m_direction;
    unsigned m_families;
    CReportSink& m_sink;
    std::vector<uint8_t> m_pending;
    unsigned m_reported = 0; // bytes of the current scan already reported
};
