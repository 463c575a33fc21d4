// Hands a finished serial read over to the receive buffer, keeping what does not fit.
#include "runtime/ReadHandOver.h"

#include <algorithm>
#include <cstring>

#include "runtime/RxBuffer.h"

int HandOverRead(uint8_t* readBuffer, uint32_t& count, CRxBuffer& rx)
{
    if (count == 0)
        return 0;
    const uint32_t n = std::min(rx.FreeSpace(), count);
    if (n == 0)
        return 0;
    // The consumers' terminators must be back before the data grows behind them.
    rx.RestoreTerminators();
    std::memcpy(rx.Data() + rx.Length(), readBuffer, n);
    count -= n;
    std::memmove(readBuffer, readBuffer + n, count);
    return rx.AppendReceived(n) ? 1 : 0;
}
