// Decoding of one string literal of a resource script into wide text, as windres reads it.
#include "tools/rc-strings/RcLiteral.h"

namespace rcstrings {
namespace {

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One UTF-8 sequence starting at pos; pos moves past it. Overlong forms, surrogates and
// values above U+10FFFF are refused (windres silently cuts the string at such bytes).
bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& codePoint) {
    const unsigned char lead = static_cast<unsigned char>(s[pos]);
    std::size_t extra;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1; minimum = 0x80; codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2; minimum = 0x800; codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3; minimum = 0x10000; codePoint = lead & 0x07;
    } else {
        return false;
    }
    if (pos + extra >= s.size()) return false;
    for (std::size_t i = 1; i <= extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) return false;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF) return false;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return false;
    pos += extra + 1;
    return true;
}

}  // namespace

void AppendCodePoint(std::wstring& text, char32_t codePoint) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            text.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
            return;
        }
    }
    text.push_back(static_cast<wchar_t>(codePoint));
}

bool DecodeRcLiteral(std::string_view body, bool wide, bool utf8Source, std::wstring& text,
                     std::string& error) {
    std::size_t pos = 0;
    while (pos < body.size()) {
        const char c = body[pos];
        if (c == '"') {
            // Inside a literal a quote only appears doubled.
            if (pos + 1 >= body.size() || body[pos + 1] != '"') {
                error = "lone quote inside a string";
                return false;
            }
            text.push_back(L'"');
            pos += 2;
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x80) {
            // windres widens the bytes of an L"" literal one by one instead of decoding them.
            if (wide) {
                error = "non-ASCII character in an L\"\" string (use a plain string)";
                return false;
            }
            if (!utf8Source) {
                error = "non-ASCII character without #pragma code_page(65001)";
                return false;
            }
            char32_t codePoint = 0;
            if (!DecodeUtf8(body, pos, codePoint)) {
                error = "invalid UTF-8 sequence";
                return false;
            }
            AppendCodePoint(text, codePoint);
            continue;
        }
        if (c == '\n') {
            error = "line break inside a string";
            return false;
        }
        if (c != '\\') {
            text.push_back(static_cast<wchar_t>(c));
            ++pos;
            continue;
        }
        if (pos + 1 >= body.size()) {
            error = "backslash at the end of a string";
            return false;
        }
        const char e = body[pos + 1];
        pos += 2;
        switch (e) {
            case 'n': text.push_back(L'\n'); continue;
            case 'r': text.push_back(L'\r'); continue;
            case 't': text.push_back(L'\t'); continue;
            case 'b': text.push_back(L'\b'); continue;
            case 'f': text.push_back(L'\f'); continue;
            case 'v': text.push_back(L'\v'); continue;
            case '\\': text.push_back(L'\\'); continue;
            case '"': text.push_back(L'"'); continue;
            case '\n': continue;  // line splice
            case '\r':
                if (pos < body.size() && body[pos] == '\n') {
                    ++pos;
                    continue;
                }
                break;
            default: break;
        }
        unsigned value = 0;
        if (IsOctal(e)) {
            value = static_cast<unsigned>(e - '0');
            for (int digits = 1; digits < 3 && pos < body.size() && IsOctal(body[pos]); ++digits)
                value = value * 8 + static_cast<unsigned>(body[pos++] - '0');
        } else if (e == 'x') {
            // windres reads two hex digits in a plain string and four in an L"" string.
            const int maxDigits = wide ? 4 : 2;
            int digits = 0;
            while (digits < maxDigits && pos < body.size() && HexValue(body[pos]) >= 0) {
                value = value * 16 + static_cast<unsigned>(HexValue(body[pos++]));
                ++digits;
            }
            if (digits == 0) {
                error = "\\x without hex digits";
                return false;
            }
        } else if (e == 'a') {
            error = "escape \\a (windres turns it into a backspace)";
            return false;
        } else {
            error = std::string("unsupported escape \\") + e;
            return false;
        }
        if (value == 0) {
            error = "NUL character inside a string";
            return false;
        }
        // In a plain string such a byte would be fed to the code-page conversion.
        if (!wide && value >= 0x80) {
            error = "escaped byte above 0x7F in a plain string (write the character itself)";
            return false;
        }
        if (value >= 0xD800 && value <= 0xDFFF) {
            error = "escaped surrogate code unit";
            return false;
        }
        text.push_back(static_cast<wchar_t>(value));
    }
    return true;
}

}  // namespace rcstrings
