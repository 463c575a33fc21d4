// Change bits the connection manager posts to the main window with "Updt notify".
#pragma once

#include <cstdint>

namespace ChangeBits
{
constexpr uint32_t State = 0x2;          // connection state and its text
constexpr uint32_t ChannelOpened = 0x8;  // a channel opened, or the relay server answered
constexpr uint32_t Terminal = 0x80;      // status suffix, or the terminal reached its idle phase
constexpr uint32_t Trace = 0x100;        // new trace text waits in the trace sink
constexpr uint32_t Everything = 0xFFFFFFFF; // the connection dropped
}
