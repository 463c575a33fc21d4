// A script word that must be a plain decimal number (ids, milliseconds, indices).
#pragma once

#include <string>

// The value when the word is decimal digits only and lies in min..max; else -1.
long ParseNumberWord(const std::string& word, long min, long max);
// A screen coordinate: decimal digits with an optional leading minus, within -32768..32767
// (a window may stand partly off the screen); false when the word is none.
bool ParseCoordinateWord(const std::string& word, int& value);
