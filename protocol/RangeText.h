// The "low..high" text form of a condition's value range.
#pragma once

#include "protocol/SettingsBlock.h"

#include <cstdint>
#include <string>

// "%d..%d"
std::wstring FormatRange(const RangeRecord& range);

// "low..high" with both sides plain non-negative integers, or one plain
// non-negative integer v meaning v..v; each value at most 32767. An inverted
// range parses; validation judges it.
bool ParseRange(const std::wstring& text, std::int16_t& low, std::int16_t& high);

// Rewrites a lone plain non-negative integer v as "v..v"; other texts stay.
// True when the text was rewritten.
bool NormaliseRangeText(std::wstring& text);
