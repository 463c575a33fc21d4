// Look-up in the string tables compiled into the host build.
#include "runtime/StringTable.h"

#include <algorithm>

#include "runtime/native/CompiledStringTable.h"

std::wstring_view FindCompiledString(const CompiledStringTable& table, unsigned short langId,
                                     unsigned id) {
    if (id > 0xFFFF || table.count == 0) return {};
    const CompiledStringEntry* end = table.entries + table.count;
    const CompiledStringEntry* found = std::lower_bound(
        table.entries, end, std::make_pair(langId, id),
        [](const CompiledStringEntry& entry, const std::pair<unsigned short, unsigned>& key) {
            return entry.langId != key.first ? entry.langId < key.first : entry.id < key.second;
        });
    if (found == end || found->langId != langId || found->id != id) return {};
    return {found->text, found->length};
}

std::wstring_view CompiledString(unsigned short langId, unsigned id) {
    return FindCompiledString(kivraStringTable, langId, id);
}
