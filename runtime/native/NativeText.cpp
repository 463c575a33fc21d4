// UTF-8 conversions for the host stand-ins.
#include "runtime/native/NativeText.h"

std::size_t EncodeUtf8(unsigned long c, char out[4])
{
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | ((c >> 18) & 0x07));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

std::string Utf8FromWide(const wchar_t* text)
{
    std::string out;
    char bytes[4];
    for (; text && *text; ++text)
        out.append(bytes, EncodeUtf8(static_cast<unsigned long>(*text), bytes));
    return out;
}

std::wstring WideFromUtf8(const char* text)
{
    std::wstring out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (p && *p) {
        unsigned long c = *p++;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (more)
            c &= 0x3F >> more;
        for (; more > 0 && (*p & 0xC0) == 0x80; --more)
            c = (c << 6) | (*p++ & 0x3F);
        out += static_cast<wchar_t>(c);
    }
    return out;
}
