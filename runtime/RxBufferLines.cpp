// End of a line-by-line scan of a receive buffer, shared by the relay and terminal line readers.
#include "runtime/RxBufferLines.h"

bool EndLineScan(CASCIIBuffer& buffer, bool linesHandled)
{
    if (linesHandled || buffer.FreeSpace() == 0) {
        buffer.RestoreTerminators();
        buffer.Compact();
    }
    if (buffer.FreeSpace() != 0)
        return false;
    buffer.Clear();
    return true;
}
