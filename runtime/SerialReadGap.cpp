// The silence on a serial line that ends a read.
#include "runtime/SerialReadGap.h"

namespace {
constexpr uint64_t kBitsPerCharacter = 10;
constexpr uint64_t kCharactersPerGap = 10;
}

uint32_t LineReadGapMs(uint32_t baudRate)
{
    if (baudRate == 0)
        return kFixedReadGapMs;
    const uint64_t bitsMs = kBitsPerCharacter * kCharactersPerGap * 1000;
    // To the nearest millisecond: 5.2 ms at 19200 is 5, 20.8 ms at 4800 is 21.
    const uint64_t ms = (bitsMs + baudRate / 2) / baudRate;
    return ms == 0 ? 1 : static_cast<uint32_t>(ms);
}

uint32_t ReadGapMs(uint32_t baudRate, uint32_t settingMs)
{
    return settingMs == kReadGapSizedToLine ? LineReadGapMs(baudRate) : settingMs;
}
