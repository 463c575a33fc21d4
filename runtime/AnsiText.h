// Wide text to the bytes of the system's ANSI code page, for the diagnostic log lines.
#pragma once

#include <cstddef>

// Converts up to count characters into at most cap bytes (no terminator); returns the bytes
// written. Characters that do not fit are left out whole.
std::size_t WideToAnsi(const wchar_t* text, std::size_t count, char* out, std::size_t cap);
