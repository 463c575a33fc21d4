// kivra-cli's own texts from its string tables, in the interface language, for portable code.
#pragma once

#include <initializer_list>
#include <string>

// The text of id with each "%s" replaced by the next argument ("%%" stands for "%"); an
// argument missing for a "%s" leaves it empty.
std::wstring CliText(unsigned id, std::initializer_list<std::wstring> arguments = {});
