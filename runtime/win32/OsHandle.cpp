// Win32 handles and last error.
#include "runtime/OsHandle.h"

#include <windows.h>

bool OsCloseHandle(THandle handle) { return ::CloseHandle(handle) != FALSE; }

TErrorCode OsLastError() { return ::GetLastError(); }

void OsSetLastError(TErrorCode code) { ::SetLastError(code); }
