// The bits of "Updt notify": what changed while one event was handled. The connection manager's
// and the sensor session's are posted in one word, so they are named together and kept apart.
#pragma once

#include <cstdint>

// The connection manager's bits.
namespace ChangeBits
{
constexpr uint32_t State = 0x2;          // connection state and its text
constexpr uint32_t ChannelOpened = 0x8;  // a channel opened, or the relay server answered
constexpr uint32_t Terminal = 0x80;      // status suffix, or the terminal reached its idle phase
constexpr uint32_t Trace = 0x100;        // new trace text waits in the trace sink
constexpr uint32_t Everything = 0xFFFFFFFF; // the connection dropped
}

// The sensor session's bits, handed to its owner's Notify.
namespace SessionNotify
{
constexpr uint32_t LiveValues = 0x200;   // a data record flag changed
constexpr uint32_t Settings = 0x400;     // settings or identification changed
constexpr uint32_t Status = 0x800;       // link, settings or firmware status, or activity
constexpr uint32_t Address = 0x1000;     // the sensor address changed
constexpr uint32_t DataLog = 0x2000;     // the data log opened, closed or stopped
constexpr uint32_t Everything = LiveValues | Settings | Status;
}

namespace UpdateBitsCheck
{
constexpr uint32_t kNamed[] = {ChangeBits::State,       ChangeBits::ChannelOpened, ChangeBits::Terminal,
                               ChangeBits::Trace,       SessionNotify::LiveValues, SessionNotify::Settings,
                               SessionNotify::Status,   SessionNotify::Address,    SessionNotify::DataLog};

// Each named bit is one bit, and no two share it.
constexpr bool OneBitEachAndApart()
{
    uint32_t seen = 0;
    for (const uint32_t bit : kNamed) {
        if (bit == 0 || (bit & (bit - 1)) != 0 || (bit & seen) != 0)
            return false;
        seen |= bit;
    }
    return true;
}
}

static_assert(UpdateBitsCheck::OneBitEachAndApart(), "a manager bit and a session bit would be read as each other");
