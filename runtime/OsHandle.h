// Operating-system handles and the thread's last system error, behind a portable seam.
#pragma once

#include <cstdint>

#include "runtime/ErrorCodes.h"

using THandle = void*;

// The all-ones handle value that files and ports use for "none"; events use 0.
inline THandle InvalidHandleValue() { return reinterpret_cast<THandle>(static_cast<std::intptr_t>(-1)); }

// Closes a handle; false with the cause in the last error.
bool OsCloseHandle(THandle handle);

// The calling thread's last system error (a Win32 code on every platform).
TErrorCode OsLastError();
void OsSetLastError(TErrorCode code);
