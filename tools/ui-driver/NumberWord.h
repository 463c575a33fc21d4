// A script word that must be a plain decimal number (ids, milliseconds, indices).
#pragma once

#include <string>

// The value when the word is decimal digits only and lies in min..max; else -1.
long ParseNumberWord(const std::string& word, long min, long max);
