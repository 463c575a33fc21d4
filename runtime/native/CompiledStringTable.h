// Layout of a string table that kivra-rc-strings generates from resource scripts.
#pragma once

#include <cstddef>
#include <string_view>

struct CompiledStringEntry {
    unsigned short langId;
    unsigned short id;
    const wchar_t* text;
    std::size_t length;
};

// Entries sorted by language, then id; no pair appears twice.
struct CompiledStringTable {
    const CompiledStringEntry* entries;
    std::size_t count;
};

// The text of (langId, id) in table; empty when absent.
std::wstring_view FindCompiledString(const CompiledStringTable& table, unsigned short langId,
                                     unsigned id);

// The program's own strings, generated at build time from ui/resources.
extern const CompiledStringTable kivraStringTable;
