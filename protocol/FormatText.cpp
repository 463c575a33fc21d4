// printf-style formatting into a wide string.
#include "protocol/FormatText.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

std::wstring FormatText(const wchar_t* format, ...)
{
    // vswprintf reports overflow only as a negative result, so grow and retry.
    std::vector<wchar_t> buffer(64);
    for (;;) {
        va_list args;
        va_start(args, format);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (written >= 0 && static_cast<std::size_t>(written) < buffer.size())
            return std::wstring(buffer.data(), static_cast<std::size_t>(written));
        if (buffer.size() >= 65536)
            return std::wstring();
        buffer.resize(buffer.size() * 4);
    }
}
