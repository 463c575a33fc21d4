// The relay server's reply lines and the connect request.
#pragma once

#include "runtime/ASCIIBuffer.h"

#include <cstdint>

namespace RelayReply
{
extern const CKeywordEntry Ok;    // "@OK": the server has joined the terminal
extern const CKeywordEntry Error; // "@ERR:code": refused
extern const CKeywordEntry List;  // "@LST:": a terminal-list line, ignored

// Reply classes of ClassifyServerLine.
constexpr int ClassOk = 0;
constexpr int ClassError = 1;
constexpr int ClassList = 2;
constexpr int ClassOther = 3;

// Codes from here on are worth asking again.
constexpr int32_t FirstRetryCode = 3;
constexpr int64_t RetryDelayMs = 2000;
}
