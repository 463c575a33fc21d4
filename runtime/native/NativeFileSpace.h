// Host stand-in for a full disk: no file may grow beyond the given size (-1: no limit).
#pragma once

#include <cstdint>

void NativeSetMaxFileSize(std::int64_t bytes);
