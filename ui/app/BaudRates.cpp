// The baud rates a sensor line runs at, direct or through a terminal, in the order the lists show them.
#include "ui/app/BaudRates.h"

int IndexOfBaudRate(uint32_t rate)
{
    for (int i = 0; i < kBaudRateCount; ++i)
        if (kBaudRates[i] == rate)
            return i;
    return -1;
}
