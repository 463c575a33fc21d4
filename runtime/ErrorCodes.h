// Error codes of the runtime library: Win32 codes it sets itself and its own codes (bit 29 set).
#pragma once

#include <cstdint>

using TErrorCode = std::uint32_t;

namespace errc {
// Win32 codes the library sets on its own.
constexpr TErrorCode kFileNotFound = 2;
constexpr TErrorCode kAccessDenied = 5;
constexpr TErrorCode kInvalidHandle = 6;
constexpr TErrorCode kOutOfMemory = 14;
constexpr TErrorCode kSharingViolation = 32;
constexpr TErrorCode kHandleEof = 38;
constexpr TErrorCode kDiskFull = 39;
constexpr TErrorCode kFileExists = 80;
constexpr TErrorCode kInvalidParameter = 87;
constexpr TErrorCode kAlreadyExists = 183;
constexpr TErrorCode kMoreData = 234;
constexpr TErrorCode kInvalidThreadId = 1444;

// The library's own codes.
constexpr TErrorCode kOwnBase = 0x20000000;
constexpr TErrorCode kWrongState = 0x20000000;
constexpr TErrorCode kParametersLocked = 0x20000002;
constexpr TErrorCode kNotActive = 0x20000003;
constexpr TErrorCode kAlreadyActive = 0x20000004;
constexpr TErrorCode kNotFound = 0x20000006;
constexpr TErrorCode kWrongType = 0x2000000A;
}  // namespace errc
