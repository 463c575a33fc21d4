// Test helpers that build checked frames byte by byte.
#pragma once

#include "protocol/CrcEngine.h"

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes WithChecksum(Bytes bytes)
{
    bytes.push_back(SensorCrc().Compute(bytes.data(), bytes.size()));
    return bytes;
}

// A response frame: 0x42, N, address, code, payload, checksum.
inline Bytes Response(uint8_t address, uint8_t code, const Bytes& payload)
{
    Bytes bytes{0x42, static_cast<uint8_t>(payload.size()), address, code};
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return WithChecksum(bytes);
}

// An LLS frame: 0x3E, address, command, data, checksum.
inline Bytes Lls(uint8_t address, uint8_t command, const Bytes& data)
{
    Bytes bytes{0x3E, address, command};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return WithChecksum(bytes);
}

inline Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
