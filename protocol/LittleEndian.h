// Little-endian reads and writes of the sensor's multi-byte payload numbers.
#pragma once

#include <cstdint>
#include <cstring>

inline std::uint16_t GetU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::int16_t GetS16(const std::uint8_t* p)
{
    return static_cast<std::int16_t>(GetU16(p));
}

inline std::uint32_t GetU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Bit-exact: a float goes through its 32-bit pattern, never through arithmetic.
inline float GetF32(const std::uint8_t* p)
{
    const std::uint32_t bits = GetU32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void PutU16(std::uint8_t* p, std::uint16_t value)
{
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(std::uint8_t* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void PutF32(std::uint8_t* p, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    PutU32(p, bits);
}
