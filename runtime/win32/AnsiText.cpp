// Wide text to the ANSI code page through the system.
#include "runtime/AnsiText.h"

#include <windows.h>

std::size_t WideToAnsi(const wchar_t* text, std::size_t count, char* out, std::size_t cap)
{
    // One byte per character is the rule; a double-byte code page may need fewer characters.
    for (std::size_t n = count < cap ? count : cap; n > 0; n = n * 3 / 4) {
        const int r = ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(n), out, static_cast<int>(cap), nullptr, nullptr);
        if (r > 0)
            return static_cast<std::size_t>(r);
    }
    return 0;
}
