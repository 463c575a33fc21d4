// Host stand-in: the host's code page is UTF-8.
#include "runtime/AnsiText.h"

#include "runtime/native/NativeText.h"

std::size_t WideToAnsi(const wchar_t* text, std::size_t count, char* out, std::size_t cap)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < count; ++i) {
        char bytes[4];
        const std::size_t len = EncodeUtf8(static_cast<unsigned long>(text[i]), bytes);
        if (n + len > cap)
            break;
        for (std::size_t k = 0; k < len; ++k)
            out[n++] = bytes[k];
    }
    return n;
}
