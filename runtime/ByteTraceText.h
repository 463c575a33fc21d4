// The "Rx[n]:" / "Tx[n]:" debug text of the bytes a serial read or write moved.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kByteTraceChars = 4096;

// Writes the header (direction "Rx" or "Tx" and the count) and then two hexadecimal digits and a
// blank per byte while more than 4 characters are free, ending in "!" when bytes were left out.
// The text is 0-terminated; returns its length.
std::size_t FormatByteTrace(wchar_t (&text)[kByteTraceChars], const char* direction, const uint8_t* bytes,
                            std::size_t count);
