// A long received byte stream as a sensor line may carry it: answers of every kind the tool
// reads, LLS data frames, damaged answers and runs of garbage, in a repeatable random order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CMixedStream
{
public:
    // At least `bytes` bytes from the generator seeded with `seed`.
    CMixedStream(size_t bytes, uint32_t seed);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    // Intact frames put into the stream: what a scan must find, no more, no less.
    size_t Frames() const { return m_frames; }

private:
    std::vector<uint8_t> m_bytes;
    size_t m_frames = 0;
};
