// Reads a fuzzer's input as a sequence of small decisions and byte runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_at >= m_size; }
    std::size_t Left() const { return m_size - m_at; }

    // One byte; 0 once the input is used up.
    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    uint16_t U16() { return static_cast<uint16_t>(Byte() | Byte() << 8); }

    // Up to count bytes, fewer at the end of the input.
    std::vector<uint8_t> Bytes(std::size_t count)
    {
        const std::size_t n = count < Left() ? count : Left();
        std::vector<uint8_t> bytes(m_data + m_at, m_data + m_at + n);
        m_at += n;
        return bytes;
    }

    // A run whose length comes first (1..limit bytes).
    std::vector<uint8_t> Run(std::size_t limit) { return Bytes(1 + Byte() % limit); }

    // A short text of printable and odd characters, as a person or a rubbish line could type it.
    std::wstring Text(std::size_t limit)
    {
        std::wstring text;
        for (uint8_t b : Run(limit))
            text.push_back(b < 0x80 ? static_cast<wchar_t>(b) : static_cast<wchar_t>(0x400 + b));
        return text;
    }

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};
