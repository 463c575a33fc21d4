// Tests of the read gap sized to the serial line.
#include <gtest/gtest.h>

#include "runtime/SerialReadGap.h"

namespace {

TEST(SerialReadGapTest, TenCharacterTimesAtTheBaudRate)
{
    struct Case {
        uint32_t baud;
        uint32_t ms;
    };
    const Case cases[] = {
        {19200, 5}, {9600, 10}, {4800, 21}, {2400, 42}, {1200, 83}, {57600, 2}, {115200, 1}, {921600, 1},
        // No rate known: the gap that always worked.
        {0, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineReadGapMs(c.baud), c.ms) << c.baud;
}

TEST(SerialReadGapTest, ASettingHoldsAtEveryBaudRate)
{
    for (uint32_t baud : {19200u, 9600u, 4800u}) {
        EXPECT_EQ(ReadGapMs(baud, kFixedReadGapMs), 50u) << baud;
        EXPECT_EQ(ReadGapMs(baud, 7), 7u) << baud;
        EXPECT_EQ(ReadGapMs(baud, kReadGapSizedToLine), LineReadGapMs(baud)) << baud;
    }
}

}  // namespace
