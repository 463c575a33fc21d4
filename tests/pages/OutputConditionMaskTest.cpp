// Which condition controls of a discrete output are usable.
#include <gtest/gtest.h>

#include "protocol/SettingsTexts.h"
#include "ui/pages/OutputConditionMask.h"
#include "ui/resources/page_ids.h"

TEST(OutputConditionMask, FollowsSourceFrequencyModeAndConditionKinds)
{
    struct Case {
        int output;
        int source;
        int frequency;
        unsigned version;
        int inactiveKind;
        int activeKind;
        unsigned mask;
    };
    const Case cases[] = {
        {0, 0, 0, 9, 1, 2, 0x000},  // "<Not used>" greys everything
        {1, 0, 0, 9, 1, 2, 0x000},
        {0, 3, 0, 9, 0, 0, 0x0FF},  // "in other values": no range edit
        {0, 3, 0, 9, 1, 0, 0x1FF},
        {0, 3, 0, 9, 0, 2, 0x2FF},
        {0, 3, 0, 9, 2, 1, 0x3FF},
        {0, 3, 1, 7, 1, 1, 0x000},  // frequency output on firmware with that mode
        {0, 3, 1, 6, 1, 1, 0x3FF},  // firmware 6 has no frequency mode: the flag means nothing
        {1, 3, 1, 9, 1, 1, 0x3FF},  // output 2 has no frequency mode
        {1, 20, 0, 9, -1, 0, 0x1FF}, // a kind without selection is not "in other values"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "output " << c.output << " source " << c.source << " version "
                                        << c.version);
        OutputTexts texts;
        texts.valueCode = c.source;
        texts.frequencyMode = c.frequency;
        texts.conditions.inactive.kind = c.inactiveKind;
        texts.conditions.active.kind = c.activeKind;
        EXPECT_EQ(OutputConditionMask(texts, c.output, c.version), c.mask);
    }
}

TEST(OutputConditionMask, RangeBitsNameTheRangeEditsOfTheirCondition)
{
    // Bits 8 and 9 must be the edits whose kind decides them, or a range edit would follow
    // the other condition's list.
    EXPECT_EQ(kOutputConditionIds[0][8], IDC_OUT1_INACTIVE_RANGE);
    EXPECT_EQ(kOutputConditionIds[0][9], IDC_OUT1_ACTIVE_RANGE);
    EXPECT_EQ(kOutputConditionIds[1][8], IDC_OUT2_INACTIVE_RANGE);
    EXPECT_EQ(kOutputConditionIds[1][9], IDC_OUT2_ACTIVE_RANGE);
}
