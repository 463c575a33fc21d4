// UTF-8 to and from wide text, for 16-bit (Windows) and 32-bit (host) wchar_t alike.
#include "ui/app/Utf8.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kWide16 = sizeof(wchar_t) == 2;

void AppendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t c)
{
    if (kWide16 && c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (c >> 10));
        out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<wchar_t>(c);
    }
}

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::string ToUtf8(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i]));
        if (kWide16 && c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const char32_t low = static_cast<char16_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (IsSurrogate(c) || c > 0x10FFFF)
            c = kReplacement;
        AppendCodePoint(out, c);
    }
    return out;
}

bool DecodeFileText(const std::string& bytes, std::wstring& text)
{
    const bool little = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
    const bool big = bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF';
    if (!little && !big)
        return FromUtf8(bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes, text);
    text.clear();
    bool clean = bytes.size() % 2 == 0;
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(little ? first | second << 8 : second | first << 8);
    };
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
        char32_t c = unit(at);
        if (c >= 0xD800 && c <= 0xDBFF && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 && unit(at + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (IsSurrogate(c)) {
            c = kReplacement;
            clean = false;
        }
        AppendWide(text, c);
    }
    if (bytes.size() % 2)
        AppendWide(text, kReplacement);
    return clean;
}

bool FromUtf8(const std::string& bytes, std::wstring& text)
{
    text.clear();
    bool clean = true;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            follow = 1, c = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2, c = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3, c = lead & 0x07, least = 0x10000;
        } else {
            AppendWide(text, kReplacement);
            clean = false;
            ++i;
            continue;
        }
        int taken = 0;
        while (taken < follow && i + 1 + taken < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + 1 + taken]) & 0xC0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(bytes[i + 1 + taken]) & 0x3F);
            ++taken;
        }
        i += 1 + taken;
        if (taken < follow || c < least || IsSurrogate(c) || c > 0x10FFFF) {
            AppendWide(text, kReplacement);
            clean = false;
            continue;
        }
        AppendWide(text, c);
    }
    return clean;
}
