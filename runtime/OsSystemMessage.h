// The system's text for a Win32 error code.
#pragma once

#include <cstddef>

#include "runtime/ErrorCodes.h"

// Characters written into out (cap including the terminator); 0 when the system has no text.
std::size_t OsSystemMessage(TErrorCode code, wchar_t* out, std::size_t cap);
