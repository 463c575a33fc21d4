// Table-driven CRC engine of up to 8 bits.
#include "protocol/CrcEngine.h"

namespace {

uint8_t Reflect(uint8_t value, unsigned width)
{
    uint8_t result = 0;
    for (unsigned bit = 0; bit < width; ++bit)
        if (value & (1u << bit))
            result |= static_cast<uint8_t>(1u << (width - 1 - bit));
    return result;
}

} // namespace

// The register is kept in 8 bits either way: reflected CRCs in the low `width` bits (shifting
// right with the reversed polynomial), unreflected ones in the high `width` bits (shifting left
// with the polynomial moved to the top), so one table step serves every width.
CCrcEngine::CCrcEngine(unsigned width, uint8_t polynomial, uint8_t initial, bool reflectIn, bool reflectOut,
                       uint8_t finalXor)
    : m_width(width), m_reflectIn(reflectIn), m_reflectResult(reflectIn != reflectOut), m_finalXor(finalXor)
{
    const uint8_t mask = static_cast<uint8_t>((1u << width) - 1);
    const unsigned shift = 8 - width;
    const uint8_t reversed = Reflect(polynomial & mask, width);
    const uint8_t topAligned = static_cast<uint8_t>((polynomial & mask) << shift);
    for (unsigned i = 0; i < 256; ++i) {
        uint8_t crc = static_cast<uint8_t>(i);
        for (int bit = 0; bit < 8; ++bit) {
            if (reflectIn)
                crc = (crc & 1) ? static_cast<uint8_t>((crc >> 1) ^ reversed) : static_cast<uint8_t>(crc >> 1);
            else
                crc = (crc & 0x80) ? static_cast<uint8_t>((crc << 1) ^ topAligned) : static_cast<uint8_t>(crc << 1);
        }
        m_table[i] = crc;
    }
    m_initial = reflectIn ? Reflect(initial & mask, width) : static_cast<uint8_t>((initial & mask) << shift);
}

uint8_t CCrcEngine::Compute(const uint8_t* bytes, size_t length) const
{
    uint8_t crc = m_initial;
    for (size_t i = 0; i < length; ++i)
        crc = m_table[crc ^ bytes[i]];
    if (!m_reflectIn)
        crc = static_cast<uint8_t>(crc >> (8 - m_width));
    if (m_reflectResult)
        crc = Reflect(crc, m_width);
    return static_cast<uint8_t>(crc ^ m_finalXor);
}

const CCrcEngine& SensorCrc()
{
    static const CCrcEngine engine(8, 0x31, 0x00, true, true, 0x00);
    return engine;
}
