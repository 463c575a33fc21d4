// Text of a string-table entry, in the language the interface thread has chosen.
#pragma once

#include <string>

// Empty when the entry does not exist.
std::wstring LoadResourceText(unsigned id);
