// Reading the settings fields' numbers the lenient scanf way, minus its wrap-arounds.
#pragma once

#include <cstdint>
#include <string>

// Leading white space, an optional sign, at least one digit; whatever follows
// the digits is ignored. Fails when no digit is found or the value lies
// outside [min, max] (a value too large to read at all is outside too).
bool ScanInteger(const std::wstring& text, std::int64_t min, std::int64_t max, std::int64_t& value);

// An unsigned field of at most max; a negative value fails.
bool ScanUnsigned(const std::wstring& text, std::uint32_t max, std::uint32_t& value);

// "%f,%f,%f": exactly three numbers, each comma right after its number;
// anything after the third is ignored.
bool ScanVector(const std::wstring& text, float (&vector)[3]);

// "%f, %f, %f"
std::wstring FormatVector(const float (&vector)[3]);
