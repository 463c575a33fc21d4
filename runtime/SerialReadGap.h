// The silence on a serial line that ends a read.
#pragma once

#include <cstdint>

// The gap that ended every read before the gap was sized to the line; some USB adapters hand
// bytes over in packets far apart and need it back.
constexpr uint32_t kFixedReadGapMs = 50;
// A setting of 0: the gap follows the baud rate.
constexpr uint32_t kReadGapSizedToLine = 0;
// The longest gap a setting may ask for: a read ends a second after it started anyway.
constexpr uint32_t kLongestReadGapMs = 1000;

// About ten character times at the baud rate (10 bit times a character), at least 1 ms: long
// enough that one answer rarely ends in two reads, short enough that the last byte is handed on
// within a few milliseconds. Without a baud rate, the fixed gap.
uint32_t LineReadGapMs(uint32_t baudRate);

// The gap a connection uses: the setting in milliseconds, or sized to the line when it is 0.
uint32_t ReadGapMs(uint32_t baudRate, uint32_t settingMs);
