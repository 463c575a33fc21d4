// Byte strings of the sensor's wire records, built little-endian.
#pragma once
#include "protocol/LittleEndian.h"

#include <cstdint>
#include <vector>

namespace sim {

using Bytes = std::vector<uint8_t>;

inline void AppendU16(Bytes& b, uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }
inline void AppendU32(Bytes& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); }
inline void AppendF32(Bytes& b, float v) {
  b.resize(b.size() + 4);
  PutF32(&b[b.size() - 4], v);
}

}  // namespace sim
