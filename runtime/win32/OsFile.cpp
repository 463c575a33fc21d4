// Win32 file calls.
#include "runtime/OsFile.h"

#include <windows.h>

THandle OsCreateFile(const wchar_t* path, std::uint32_t access, std::uint32_t share,
                     std::uint32_t disposition, std::uint32_t flags)
{
    return ::CreateFileW(path, access, share, nullptr, disposition, flags, nullptr);
}

bool OsReadFile(THandle file, void* data, std::uint32_t size, std::uint32_t* done)
{
    DWORD moved = 0;
    const BOOL ok = ::ReadFile(file, data, size, &moved, nullptr);
    *done = moved;
    return ok != FALSE;
}

bool OsWriteFile(THandle file, const void* data, std::uint32_t size, std::uint32_t* done)
{
    DWORD moved = 0;
    const BOOL ok = ::WriteFile(file, data, size, &moved, nullptr);
    *done = moved;
    return ok != FALSE;
}

bool OsSetFilePointer(THandle file, std::int64_t distance, std::uint32_t method, std::int64_t* position)
{
    LARGE_INTEGER to;
    LARGE_INTEGER now;
    to.QuadPart = distance;
    if (!::SetFilePointerEx(file, to, &now, method))
        return false;
    if (position)
        *position = now.QuadPart;
    return true;
}

bool OsGetFileSize(THandle file, std::int64_t* size)
{
    LARGE_INTEGER value;
    if (!::GetFileSizeEx(file, &value))
        return false;
    *size = value.QuadPart;
    return true;
}

bool OsSetEndOfFile(THandle file) { return ::SetEndOfFile(file) != FALSE; }

bool OsFlushFileBuffers(THandle file) { return ::FlushFileBuffers(file) != FALSE; }
