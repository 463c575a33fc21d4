// Host stand-in for handles and the last system error.
#include "runtime/OsHandle.h"

#include <cerrno>

#include "runtime/native/NativeHandle.h"

namespace {
thread_local TErrorCode t_lastError = 0;
}

TNativeHandle* NativeHandleObject(THandle handle)
{
    if (handle == nullptr || handle == InvalidHandleValue())
        return nullptr;
    return static_cast<TNativeHandle*>(handle);
}

bool OsCloseHandle(THandle handle)
{
    TNativeHandle* object = NativeHandleObject(handle);
    if (!object) {
        t_lastError = errc::kInvalidHandle;
        return false;
    }
    delete object;
    return true;
}

TErrorCode OsLastError() { return t_lastError; }

void OsSetLastError(TErrorCode code) { t_lastError = code; }

TErrorCode Win32CodeFromErrno(int error)
{
    switch (error) {
    case 0: return 0;
    case ENOENT: return errc::kFileNotFound;
    case ENOTDIR: return 3;  // path not found
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return errc::kAccessDenied;
    case EBADF: return errc::kInvalidHandle;
    case ENOMEM: return errc::kOutOfMemory;
    case EBUSY: return errc::kSharingViolation;
    case ENOSPC:
    case EFBIG: return errc::kDiskFull;
    case EEXIST: return errc::kFileExists;
    case EINVAL: return errc::kInvalidParameter;
    case ENAMETOOLONG: return 206;  // file name too long
    default: return 31;             // device not functioning
    }
}
