// File calls with Win32 semantics and constants; win32/ uses the system, native/ POSIX files.
#pragma once

#include <cstdint>

#include "runtime/OsHandle.h"

namespace osfile {
constexpr std::uint32_t kGenericRead = 0x80000000u;
constexpr std::uint32_t kGenericWrite = 0x40000000u;
constexpr std::uint32_t kShareRead = 0x1;
constexpr std::uint32_t kShareWrite = 0x2;
constexpr std::uint32_t kCreateNew = 1;
constexpr std::uint32_t kCreateAlways = 2;
constexpr std::uint32_t kOpenExisting = 3;
constexpr std::uint32_t kOpenAlways = 4;
constexpr std::uint32_t kTruncateExisting = 5;
constexpr std::uint32_t kAttributeNormal = 0x80;
constexpr std::uint32_t kFlagRandomAccess = 0x10000000u;
constexpr std::uint32_t kFlagOverlapped = 0x40000000u;
constexpr std::uint32_t kFromBegin = 0;
constexpr std::uint32_t kFromCurrent = 1;
constexpr std::uint32_t kFromEnd = 2;
}  // namespace osfile

// Every call sets the last error; Create sets it even on success (183 when an open-always
// or create-always call found the file already there, else 0).
THandle OsCreateFile(const wchar_t* path, std::uint32_t access, std::uint32_t share,
                     std::uint32_t disposition, std::uint32_t flags);
bool OsReadFile(THandle file, void* data, std::uint32_t size, std::uint32_t* done);
bool OsWriteFile(THandle file, const void* data, std::uint32_t size, std::uint32_t* done);
bool OsSetFilePointer(THandle file, std::int64_t distance, std::uint32_t method, std::int64_t* position);
bool OsGetFileSize(THandle file, std::int64_t* size);
bool OsSetEndOfFile(THandle file);
bool OsFlushFileBuffers(THandle file);
