// Bounded wide formatting: the platforms disagree on what a cut text returns, so decide here.
#include "runtime/WideFormat.h"

#include <cwchar>

std::size_t FormatWideV(wchar_t* out, std::size_t cap, const wchar_t* format, va_list args)
{
    if (cap == 0)
        return 0;
    const int n = std::vswprintf(out, cap, format, args);
    if (n < 0 || static_cast<std::size_t>(n) >= cap) {
        out[cap - 1] = 0;
        return std::wcslen(out);
    }
    return static_cast<std::size_t>(n);
}

std::size_t FormatWide(wchar_t* out, std::size_t cap, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::size_t n = FormatWideV(out, cap, format, args);
    va_end(args);
    return n;
}
