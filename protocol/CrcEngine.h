// Table-driven CRC of up to 8 bits, and the one configuration the sensor protocol uses.
#pragma once

#include <cstddef>
#include <cstdint>

class CCrcEngine
{
public:
    // width 1..8 bits; polynomial, initial value and final XOR in the usual (unreflected) notation.
    CCrcEngine(unsigned width, uint8_t polynomial, uint8_t initial, bool reflectIn, bool reflectOut,
               uint8_t finalXor);

    uint8_t Compute(const uint8_t* bytes, size_t length) const;
    uint8_t TableEntry(uint8_t index) const { return m_table[index]; }

private:
    unsigned m_width;
    uint8_t m_initial;
    bool m_reflectIn;
    bool m_reflectResult;
    uint8_t m_finalXor;
    uint8_t m_table[256];
};

// CRC-8/MAXIM (polynomial 0x31 reflected, initial 0, no final XOR): the checksum of every frame.
const CCrcEngine& SensorCrc();
