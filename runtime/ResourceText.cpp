// Copies of string-table entries.
#include "runtime/ResourceText.h"

std::wstring LoadResourceText(unsigned id) { return std::wstring(FindResourceString(nullptr, id)); }
