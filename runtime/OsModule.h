// The executable's module handle and path.
#pragma once

#include <cstddef>

#include "runtime/OsHandle.h"

THandle OsModuleHandle();
// Characters copied (without terminator; cut to cap - 1), 0 on failure.
std::size_t OsModulePath(wchar_t* out, std::size_t cap);
