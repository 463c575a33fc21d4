// System error texts from the system message table.
#include "runtime/OsSystemMessage.h"

#include "runtime/ResourceLanguage.h"

#include <windows.h>

namespace {

DWORD Format(TErrorCode code, DWORD language, wchar_t* out, std::size_t cap)
{
    return ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, language, out,
                            static_cast<DWORD>(cap), nullptr);
}

}  // namespace

std::size_t OsSystemMessage(TErrorCode code, wchar_t* out, std::size_t cap)
{
    if (cap == 0)
        return 0;
    // The interface language first, so that a Russian message is followed by a
    // Russian reason where the system has one; else the system's own choice.
    DWORD n = Format(code, GetResourceLanguage(), out, cap);
    if (n == 0)
        n = Format(code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), out, cap);
    out[n < cap ? n : cap - 1] = 0;
    return n < cap ? n : cap - 1;
}
