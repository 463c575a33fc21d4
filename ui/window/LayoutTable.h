// Layout tables: which controls of a dialog zoom with a larger font or keep the
// item count of their dropped list. A table is a zero-terminated list of words,
// each a control id (low 16 bits) with layout flags (bits 16 to 27).
#pragma once

#include <cstdint>
#include <vector>

constexpr std::uint32_t kLayoutIdMask = 0x0000FFFFu;
constexpr std::uint32_t kLayoutFlagsMask = 0x0FFF0000u;

// Font index in bits 16 to 19: 0, 1 and 2 choose a scaled font, any other value the
// unscaled base font. Flags 0 therefore mean "the scaled font of the dialog text".
constexpr unsigned kLayoutFontShift = 16;
constexpr std::uint32_t kLayoutFontMask = 0xFu << kLayoutFontShift;
// A drop-down list: zooming keeps the number of items its dropped list shows.
constexpr std::uint32_t kLayoutDropDownList = 1u << 24;

// Number of scaled fonts; each index is 1.5 times the height of the one before.
constexpr unsigned kScaledFontCount = 3;
// Font index that chooses the base font as it is, never scaled.
constexpr unsigned kLayoutBaseFontIndex = 0xF;

constexpr std::uint32_t LayoutFont(unsigned index) { return (index << kLayoutFontShift) & kLayoutFontMask; }
constexpr std::uint32_t LayoutWord(unsigned controlId, std::uint32_t flags)
{
    return (controlId & kLayoutIdMask) | (flags & kLayoutFlagsMask);
}
constexpr unsigned LayoutFontIndex(std::uint32_t flags) { return (flags & kLayoutFontMask) >> kLayoutFontShift; }
constexpr bool IsScaledFontIndex(unsigned index) { return index < kScaledFontCount; }
constexpr bool IsDropDownList(std::uint32_t flags) { return (flags & kLayoutDropDownList) != 0; }

struct LayoutEntry {
    unsigned controlId = 0;
    std::uint32_t flags = 0;
    bool operator==(const LayoutEntry&) const = default;
};

// The entries of a table up to its terminating 0; none for a null table. Bits above 27
// carry no meaning and are dropped.
std::vector<LayoutEntry> ParseLayoutTable(const std::uint32_t* table);
