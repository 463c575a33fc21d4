// Bounded wide formatting with one truncation rule on every platform.
#pragma once

#include <cstdarg>
#include <cstddef>

// Formats into out (cap characters including the terminator) and returns the characters written;
// when the text does not fit it is cut to cap - 1 characters.
std::size_t FormatWideV(wchar_t* out, std::size_t cap, const wchar_t* format, va_list args);
std::size_t FormatWide(wchar_t* out, std::size_t cap, const wchar_t* format, ...);

// Copies a format written in the platform's wide convention, where a plain %s or %c takes a
// wide argument, into the portable spelling (%ls, %lc); false when it does not fit.
bool PortableWideFormat(const wchar_t* format, wchar_t* out, std::size_t cap);
