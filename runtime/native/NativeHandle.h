// Host stand-in for operating-system handles: a handle points at one of these objects.
#pragma once

#include "runtime/OsHandle.h"

class TNativeHandle {
public:
    virtual ~TNativeHandle() = default;
};

// The object behind a handle, or null for the two "none" values.
TNativeHandle* NativeHandleObject(THandle handle);

// Maps an errno value onto the Win32 code the Windows build would report.
TErrorCode Win32CodeFromErrno(int error);
