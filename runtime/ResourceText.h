// Texts of string-table entries in the current resource language.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "runtime/OsHandle.h"

// The entry in the module's string table (null: the executable), in the current resource
// language, else the platform's usual choice; empty when there is none. The text stays valid
// for the life of the module.
std::wstring_view FindResourceString(THandle module, unsigned id);

// The executable's entry as a copy; empty when the entry does not exist.
std::wstring LoadResourceText(unsigned id);

// The executable's entry with each "%s" replaced by the next argument, however long
// ("%%" stands for "%"); an argument missing for a "%s" leaves it empty.
std::wstring LoadResourceText(unsigned id, std::initializer_list<std::wstring> arguments);
