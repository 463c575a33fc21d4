// The Windows build's strings: RT_STRING resources of this executable, read in an explicit
// language (LoadStringW would pick the thread's language instead).
#include "tests/tools/rc-strings/StringSources.h"

#include <windows.h>

namespace {

// A string block holds ids 16 (n - 1) to 16 n - 1 as 16 counted strings, 0 for missing.
std::wstring ResourceString(unsigned short langId, unsigned id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC block = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), langId);
    if (block == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, block);
    const auto* unit = static_cast<const WCHAR*>(LockResource(loaded));
    if (unit == nullptr) return {};
    const WCHAR* end = unit + SizeofResource(module, block) / sizeof(WCHAR);
    for (unsigned skip = id % 16; skip > 0; --skip) {
        if (unit >= end) return {};
        unit += 1 + *unit;
    }
    if (unit >= end || unit + 1 + *unit > end) return {};
    return std::wstring(unit + 1, *unit);
}

}  // namespace

std::wstring ProgramString(unsigned short langId, unsigned id) { return ResourceString(langId, id); }

std::wstring FixtureString(unsigned short langId, unsigned id) { return ResourceString(langId, id); }
