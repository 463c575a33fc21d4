// Conversions between wide strings and the 16-bit units that the registry stores.
#pragma once

#include <cstddef>

// Both write at most cap units including the terminator and return the units written
// without it; the output is cut (and terminated) when cap is too small.
std::size_t WideToUtf16(const wchar_t* text, char16_t* out, std::size_t cap);
std::size_t Utf16ToWide(const char16_t* text, std::size_t units, wchar_t* out, std::size_t cap);

// 16-bit units needed for a wide text, without the terminator.
std::size_t Utf16Length(const wchar_t* text);
