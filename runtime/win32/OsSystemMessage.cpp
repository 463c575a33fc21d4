// System error texts from the system message table.
#include "runtime/OsSystemMessage.h"

#include <windows.h>

std::size_t OsSystemMessage(TErrorCode code, wchar_t* out, std::size_t cap)
{
    if (cap == 0)
        return 0;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), out, static_cast<DWORD>(cap), nullptr);
    out[n < cap ? n : cap - 1] = 0;
    return n < cap ? n : cap - 1;
}
