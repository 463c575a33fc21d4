// Layout table words: ids, font indexes and drop-down flags.
#include "ui/window/LayoutTable.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutTable, ParsesUpToTheTerminatingZero)
{
    const std::uint32_t table[] = {
        LayoutWord(1025, LayoutFont(1)),
        LayoutWord(1087, kLayoutDropDownList),
        0xF0000000u | 1200u,                     // bits above 27 mean nothing
        0x000F0000u | 7u,                        // font index 15: the unscaled base font
        0,
        LayoutWord(9999, 0),                     // past the end
    };
    const std::vector<LayoutEntry> expected = {
        {1025, 0x00010000u}, {1087, 0x01000000u}, {1200, 0}, {7, 0x000F0000u}};
    EXPECT_EQ(ParseLayoutTable(table), expected);
    EXPECT_TRUE(ParseLayoutTable(nullptr).empty());
    const std::uint32_t empty[] = {0};
    EXPECT_TRUE(ParseLayoutTable(empty).empty());
}

TEST(LayoutTable, FlagsNameFontIndexAndDropDownList)
{
    struct Case {
        std::uint32_t flags;
        unsigned fontIndex;
        bool scaled;
        bool dropDown;
    };
    const Case cases[] = {
        {0, 0, true, false},
        {LayoutFont(1), 1, true, false},
        {LayoutFont(2) | kLayoutDropDownList, 2, true, true},
        {LayoutFont(3), 3, false, false},
        {LayoutFont(kLayoutBaseFontIndex), 15, false, false},
        {kLayoutDropDownList, 0, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutFontIndex(c.flags), c.fontIndex) << std::hex << c.flags;
        EXPECT_EQ(IsScaledFontIndex(LayoutFontIndex(c.flags)), c.scaled) << std::hex << c.flags;
        EXPECT_EQ(IsDropDownList(c.flags), c.dropDown) << std::hex << c.flags;
        EXPECT_EQ(c.flags & ~kLayoutFlagsMask, 0u) << "flags stay in bits 16 to 27";
    }
    EXPECT_EQ(kLayoutDropDownList, 1u << 24);
}

}  // namespace
