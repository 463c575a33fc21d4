// Writes read string tables as a C++ source file: a sorted table for the host build.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/rc-strings/RcStringReader.h"

namespace rcstrings {

// The text as a wide string literal of C++ source, plain ASCII kept readable.
std::string WideLiteral(std::wstring_view text);

// A source file defining `extern const CompiledStringTable <symbol>` (declared in
// runtime/native/CompiledStringTable.h) with the strings sorted by language, then id.
std::string CompiledTableSource(std::vector<RcString> strings, const std::string& symbol);

}  // namespace rcstrings
