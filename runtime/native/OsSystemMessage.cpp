// Host stand-in: the C library's text for the errno that matches the Win32 code.
#include "runtime/OsSystemMessage.h"

#include <cerrno>
#include <cstring>

#include "runtime/WideFormat.h"

namespace {
int ErrnoOf(TErrorCode code)
{
    switch (code) {
    case errc::kFileNotFound: return ENOENT;
    case 3: return ENOTDIR;
    case errc::kAccessDenied: return EACCES;
    case errc::kInvalidHandle: return EBADF;
    case errc::kOutOfMemory: return ENOMEM;
    case errc::kSharingViolation: return EBUSY;
    case errc::kDiskFull: return ENOSPC;
    case errc::kFileExists:
    case errc::kAlreadyExists: return EEXIST;
    case errc::kInvalidParameter: return EINVAL;
    default: return 0;
    }
}
}  // namespace

std::size_t OsSystemMessage(TErrorCode code, wchar_t* out, std::size_t cap)
{
    const int error = ErrnoOf(code);
    if (cap == 0)
        return 0;
    if (error == 0) {
        out[0] = 0;
        return 0;
    }
    return FormatWide(out, cap, L"%hs.", std::strerror(error));
}
