// Little-endian field access for the sensor's wire records.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

namespace sim {

using Bytes = std::vector<uint8_t>;

inline void PutU16(uint8_t* p, uint16_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
inline void PutU32(uint8_t* p, uint32_t v) { for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i)); }
inline void PutF32(uint8_t* p, float v) { uint32_t u; std::memcpy(&u, &v, 4); PutU32(p, u); }
inline uint16_t GetU16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline int16_t GetS16(const uint8_t* p) { return int16_t(GetU16(p)); }
inline uint32_t GetU32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
inline float GetF32(const uint8_t* p) { uint32_t u = GetU32(p); float v; std::memcpy(&v, &u, 4); return v; }

inline void AppendU16(Bytes& b, uint16_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }
inline void AppendU32(Bytes& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); }
inline void AppendF32(Bytes& b, float v) { uint32_t u; std::memcpy(&u, &v, 4); AppendU32(b, u); }

}  // namespace sim
