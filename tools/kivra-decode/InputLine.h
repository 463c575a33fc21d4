// One line of decoder input: a trace line as the log page shows it, or plain hexadecimal bytes.
#pragma once

#include "FrameReport.h"

#include <cstdint>
#include <string_view>
#include <vector>

struct CInputLine
{
    enum EKind { Empty, Trace, Hex, Invalid };

    EKind kind = Empty;
    EDirection direction = EDirection::None; // Trace lines only
    std::vector<uint8_t> bytes;
};

// Trace lines: an optional "hh:mm:ss;" or "hh:mm:ss.mmm;" time, "Tx;" or "Rx;", then bytes as
// pairs of hexadecimal digits separated by blanks, possibly cut short by a "!". Hex lines: groups
// of hexadecimal digit pairs separated by any white space. Blank lines and lines starting with
// "#" are Empty.
CInputLine ParseInputLine(std::string_view line);
