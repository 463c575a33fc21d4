// The "Rx[n]:" / "Tx[n]:" debug text, built without a formatter so that it reads alike everywhere.
#include "runtime/ByteTraceText.h"

#include <string>

std::size_t FormatByteTrace(wchar_t (&text)[kByteTraceChars], const char* direction, const uint8_t* bytes,
                            std::size_t count)
{
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::size_t length = 0;
    auto put = [&](wchar_t c) {
        if (length + 1 < kByteTraceChars)
            text[length++] = c;
    };
    for (const char* p = direction; *p; ++p)
        put(static_cast<wchar_t>(*p));
    put(L'[');
    for (char c : std::to_string(count))
        put(static_cast<wchar_t>(c));
    put(L']');
    put(L':');
    std::size_t i = 0;
    for (; i < count && kByteTraceChars - length > 4; ++i) {
        put(digits[bytes[i] >> 4]);
        put(digits[bytes[i] & 15]);
        put(L' ');
    }
    if (i < count)
        put(L'!');
    text[length] = 0;
    return length;
}
