// Host module path from /proc.
#include "runtime/OsModule.h"

#include <unistd.h>

#include <climits>

#include "runtime/native/NativeText.h"

THandle OsModuleHandle() { return nullptr; }

std::size_t OsModulePath(wchar_t* out, std::size_t cap)
{
    if (cap == 0)
        return 0;
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        out[0] = 0;
        return 0;
    }
    path[n] = 0;
    const std::wstring wide = WideFromUtf8(path);
    const std::size_t len = wide.size() < cap ? wide.size() : cap - 1;
    wide.copy(out, len);
    out[len] = 0;
    return len;
}
