// The "low..high" text form of a condition's value range.
#pragma once

#include "protocol/PlainNumber.h"
#include "protocol/SettingsBlock.h"

#include <cstdint>
#include <string>

// "%d..%d"
std::wstring FormatRange(const RangeRecord& range);

// "low..high", or one number v meaning v..v. The bounds are plain numbers of
// kind (Unsigned or Signed), each within -32767..32767; -32768 stands for "no
// value" and is never typed. An inverted range parses; validation judges it.
bool ParseRange(const std::wstring& text, PlainNumberKind kind, std::int16_t& low, std::int16_t& high);

// Rewrites a lone plain number v of kind as "v..v"; other texts stay.
// True when the text was rewritten.
bool NormaliseRangeText(std::wstring& text, PlainNumberKind kind);
