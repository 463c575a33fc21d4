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

bool PortableWideFormat(const wchar_t* format, wchar_t* out, std::size_t cap)
{
    std::size_t n = 0;
    auto put = [&](wchar_t c) {
        if (n + 1 >= cap)
            return false;
        out[n++] = c;
        return true;
    };
    for (const wchar_t* p = format; *p; ++p) {
        if (!put(*p))
            return false;
        if (*p != L'%')
            continue;
        if (p[1] == L'%') {
            if (!put(*++p))
                return false;
            continue;
        }
        // Flags, width and precision pass as they are.
        while (p[1] && std::wcschr(L"-+ #0123456789.*", p[1]))
            if (!put(*++p))
                return false;
        const bool plain = p[1] == L's' || p[1] == L'c';
        if (plain && !put(L'l'))
            return false;
    }
    if (cap == 0)
        return false;
    out[n] = 0;
    return true;
}
