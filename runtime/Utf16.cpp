// Wide text to and from 16-bit units; with a 16-bit wchar_t both are plain copies.
#include "runtime/Utf16.h"

#include <cstdint>

namespace {
constexpr bool kWideIs16 = sizeof(wchar_t) == 2;

std::uint32_t CodeOf(wchar_t c) { return static_cast<std::uint32_t>(c); }

std::size_t UnitsOf(wchar_t c) { return !kWideIs16 && CodeOf(c) > 0xFFFFu ? 2 : 1; }
}  // namespace

std::size_t Utf16Length(const wchar_t* text)
{
    std::size_t n = 0;
    for (; text && *text; ++text)
        n += UnitsOf(*text);
    return n;
}

std::size_t WideToUtf16(const wchar_t* text, char16_t* out, std::size_t cap)
{
    if (cap == 0)
        return 0;
    std::size_t n = 0;
    for (; text && *text; ++text) {
        const unsigned long c = static_cast<unsigned long>(*text);
        if (UnitsOf(*text) == 2) {
            if (n + 2 >= cap)
                break;
            const unsigned long v = c - 0x10000;
            out[n++] = static_cast<char16_t>(0xD800 + (v >> 10));
            out[n++] = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            if (n + 1 >= cap)
                break;
            out[n++] = static_cast<char16_t>(c);
        }
    }
    out[n] = 0;
    return n;
}

std::size_t Utf16ToWide(const char16_t* text, std::size_t units, wchar_t* out, std::size_t cap)
{
    if (cap == 0)
        return 0;
    std::size_t n = 0;
    for (std::size_t i = 0; i < units && text[i] && n + 1 < cap; ++i) {
        unsigned long c = text[i];
        if (!kWideIs16 && c >= 0xD800 && c < 0xDC00 && i + 1 < units && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out[n++] = static_cast<wchar_t>(c);
    }
    out[n] = 0;
    return n;
}
