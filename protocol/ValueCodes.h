// The value codes: sensor quantities that feed the LLS parameters and the outputs.
#pragma once

#include <string>

// Codes 0..20 have a name in the string table.
constexpr unsigned kNamedValueCodes = 21;

// The temperature (-72..100 °C) is the one quantity that goes below zero.
constexpr unsigned kValueCodeTemperature = 9;

// Whether an output condition over this code may have negative bounds.
bool IsSignedValueCode(unsigned code);

// String-table id of the code's name; 0 for a code without one.
unsigned ValueCodeStringId(unsigned code);

// The code's name, or the code as "%u" when it has none.
std::wstring ValueCodeName(unsigned code);
