// Which combo or tab item a script's word chooses.
#include "tools/ui-driver/ItemChoice.h"
#include "tools/ui-driver/ScriptWords.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemChoice, IndexExactTextThenPattern)
{
    const std::vector<std::string> addresses = {"Common (255)", "0", "1", "10", "254"};
    const std::vector<std::string> tabs = {"RS-485 protocol", "Discrete outputs", "Log", "Log*"};
    const struct {
        const std::vector<std::string>* items;
        const char* word;
        int index;
    } cases[] = {
        {&addresses, "#0", 0},
        {&addresses, "#4", 4},
        {&addresses, "#5", -1},      // past the end
        {&addresses, "1", 2},        // a number word is a text: item "1", not index 1
        {&addresses, "254", 4},
        {&addresses, "Common*", 0},
        {&addresses, "1*", 2},       // the first match in list order
        {&addresses, "255", -1},
        {&tabs, "Log*", 3},          // an exact text wins over an earlier match of the pattern
        {&tabs, "Disc*", 1},
        {&tabs, "log", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindItem(*c.items, ParseItemChoice(c.word)), c.index) << c.word;
    EXPECT_THROW(ParseItemChoice("#"), CScriptError);
    EXPECT_THROW(ParseItemChoice("#-1"), CScriptError);
    EXPECT_EQ(ParseItemChoice("#2").Describe(), "item #2");
    EXPECT_EQ(ParseItemChoice("Log").Describe(), "item \"Log\"");
}

} // namespace
