// Win32 module handle and path.
#include "runtime/OsModule.h"

#include <windows.h>

THandle OsModuleHandle() { return ::GetModuleHandleW(nullptr); }

std::size_t OsModulePath(wchar_t* out, std::size_t cap)
{
    if (cap == 0)
        return 0;
    const DWORD n = ::GetModuleFileNameW(nullptr, out, static_cast<DWORD>(cap));
    out[n < cap ? n : cap - 1] = 0;
    return n < cap ? n : cap - 1;
}
