// The log page's data-log boxes and test value field.
#include <gtest/gtest.h>

#include "ui/pages/DataLogBoxes.h"
#include "ui/pages/TestValueText.h"

TEST(DataLogBoxes, StateFollowsTheSessionAndModeTheBoxes)
{
    struct Case {
        bool first;
        bool second;
        DataLogMode result;
    };
    // The same table serves both directions: (holds log, full) -> state, (save, save full) -> mode.
    const Case cases[] = {
        {false, false, DataLogMode::Off},
        {false, true, DataLogMode::Off},  // "Save full data" alone switches nothing on
        {true, false, DataLogMode::Data},
        {true, true, DataLogMode::FullData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << c.second);
        EXPECT_EQ(DataLogStateOf(c.first, c.second), c.result);
        EXPECT_EQ(DataLogModeOf(c.first, c.second), c.result);
    }
}

TEST(TestValueText, ReadsALeadingUnsignedDecimalNumber)
{
    struct Case {
        const wchar_t* text;
        std::uint32_t value;
    };
    const Case cases[] = {
        {L"300", 300},
        {L"  44", 44},
        {L"+7", 7},
        {L"12abc", 12},
        {L"abc", 0},
        {L"", 0},
        {L"-5", 0},
        {L"4294967295", 4294967295u},
        {L"4294967296", 4294967295u},
        {L"99999999999999999999", 4294967295u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        EXPECT_EQ(ParseTestValue(c.text), c.value);
    }
    EXPECT_EQ(TestValueText(300), L"300");
}
