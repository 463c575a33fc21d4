// End of a line-by-line scan of a receive buffer, shared by the relay and terminal line readers.
#pragma once

#include "runtime/ASCIIBuffer.h"

// Called when no complete line is left. Drops the handled lines (and those before
// the read position of a full buffer); then, if the buffer is still full, the
// unfinished line in it can never end (no room is left for its line end) and
// would stop the channel for good, so it is dropped too.
// Returns true when such a line was dropped.
bool EndLineScan(CASCIIBuffer& buffer, bool linesHandled);
