// Builds answer payloads byte by byte for the record tests.
#pragma once

#include "protocol/LittleEndian.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

class PayloadBuilder {
public:
    PayloadBuilder& U8(std::uint8_t v) { bytes_.push_back(v); return *this; }
    PayloadBuilder& U16(std::uint16_t v) { return Put(2, [&](std::uint8_t* p) { PutU16(p, v); }); }
    PayloadBuilder& S16(std::int16_t v) { return U16(static_cast<std::uint16_t>(v)); }
    PayloadBuilder& U32(std::uint32_t v) { return Put(4, [&](std::uint8_t* p) { PutU32(p, v); }); }
    PayloadBuilder& F32(float v) { return Put(4, [&](std::uint8_t* p) { PutF32(p, v); }); }
    PayloadBuilder& S16s(std::initializer_list<std::int16_t> values)
    {
        for (std::int16_t v : values)
            S16(v);
        return *this;
    }
    PayloadBuilder& Zeros(std::size_t n) { bytes_.resize(bytes_.size() + n, 0); return *this; }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    template <typename Writer>
    PayloadBuilder& Put(std::size_t n, Writer write)
    {
        bytes_.resize(bytes_.size() + n);
        write(bytes_.data() + bytes_.size() - n);
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
};
