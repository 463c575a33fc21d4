// The on-board terminal's reply lines this system reads, and its transparent-mode end markers.
#pragma once

#include "runtime/ASCIIBuffer.h"

#include <string_view>

namespace TerminalReply
{
extern const CKeywordEntry Ok;            // "#OK": the command succeeded
extern const CKeywordEntry Error;         // "#ERR:code"
extern const CKeywordEntry Version;       // "#VER:", software version in field 3, board revision in 4
extern const CKeywordEntry DeviceId;      // "#DEVID:id"
extern const CKeywordEntry Board;         // "#BRD:"
extern const CKeywordEntry BoardRevision; // "#BRDREV:"
extern const CKeywordEntry Diagnostics;   // "#DIAG:"
extern const CKeywordEntry PortOpened;    // "#OPEN": transparent mode from here on

// Seen in transparent data when the terminal closes its serial port.
constexpr std::string_view Closed = "#CLOSED";
constexpr std::string_view MonitorIdle = "#MON:IDLE";
}
