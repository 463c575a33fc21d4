// The program's string tables as compiled into the host build.
#pragma once

#include <string_view>

// The text of string id in language langId (1033 English, 1049 Russian), taken from the
// same resource scripts the Windows build compiles; empty when that language has no such
// string. Exact language match only: choosing a fallback language is the caller's business.
// Host build only; the Windows build loads the real resources.
std::wstring_view CompiledString(unsigned short langId, unsigned id);
