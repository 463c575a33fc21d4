// The log page's test value field: read as an unsigned decimal number, shown as one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Leading blanks, an optional '+', then decimal digits up to the first other character.
// Text that does not begin with a number, a negative number among them, gives 0; a number
// beyond 32 bits gives the largest 32-bit value rather than wrapping into a small one.
std::uint32_t ParseTestValue(std::wstring_view text);

std::wstring TestValueText(std::uint32_t value);
