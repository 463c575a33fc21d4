// The process-wide "Except" setting of the diagnostic log: nonzero passes worker-thread
// structured exceptions on instead of handling them after logging.
#pragma once

#include <cstdint>

std::uint32_t LogExceptValue();
void SetLogExceptValue(std::uint32_t value);
