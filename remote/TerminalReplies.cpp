// The on-board terminal's reply lines this system reads.
#include "remote/TerminalReplies.h"

namespace TerminalReply
{
const CKeywordEntry Ok{"#OK", ",", 0, 16, true};
const CKeywordEntry Error{"#ERR:", ",", 1, 16, true};
const CKeywordEntry Version{"#VER:", ",", 4, 16, true};
const CKeywordEntry DeviceId{"#DEVID:", ",", 1, 16, true};
const CKeywordEntry Board{"#BRD:", ",", 0, 16, true};
const CKeywordEntry BoardRevision{"#BRDREV:", ",", 1, 16, true};
const CKeywordEntry Diagnostics{"#DIAG:", ",", 2, 16, true};
const CKeywordEntry PortOpened{"#OPEN", "", 0, 0, true};
}
