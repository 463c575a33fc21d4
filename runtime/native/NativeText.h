// UTF-8 conversions for the host stand-ins (paths, log lines, system texts).
#pragma once

#include <cstddef>
#include <string>

// Encodes one code point into out and returns the byte count (1 to 4).
std::size_t EncodeUtf8(unsigned long c, char out[4]);
std::string Utf8FromWide(const wchar_t* text);
std::wstring WideFromUtf8(const char* text);
