// Reading layout tables.
#include "ui/window/LayoutTable.h"

std::vector<LayoutEntry> ParseLayoutTable(const std::uint32_t* table)
{
    std::vector<LayoutEntry> entries;
    for (const std::uint32_t* word = table; word && *word != 0; ++word)
        entries.push_back({*word & kLayoutIdMask, *word & kLayoutFlagsMask});
    return entries;
}
