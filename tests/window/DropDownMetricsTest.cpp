// Drop-down lists keep their item count when they zoom.
#include "ui/window/DropDownMetrics.h"

#include <gtest/gtest.h>

namespace {

TEST(DropDownMetrics, CountAndRemainderOfTheDroppedList)
{
    struct Case {
        int dropped;
        int field;
        int item;
        DropDownMetrics expected;
    };
    const Case cases[] = {
        {100, 21, 16, {4, 15}},
        {117, 21, 16, {6, 0}},
        {21, 21, 16, {0, 0}},
        {100, 21, 0, {0, 79}},   // no item height: the list height is kept as it is
        {100, 21, -1, {0, 79}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MeasureDropDown(c.dropped, c.field, c.item), c.expected) << c.dropped << "/" << c.item;
}

TEST(DropDownMetrics, ZoomedListShowsTheSameItems)
{
    const DropDownMetrics measured = MeasureDropDown(100, 21, 16);
    // After a font 1.5 times as high: field 30, items 24.
    const int zoomed = DropDownHeight(measured, 30, 24);
    EXPECT_EQ(zoomed, 24 * 4 + 30 + 15);
    EXPECT_EQ(MeasureDropDown(zoomed, 30, 24).itemCount, measured.itemCount);
    EXPECT_EQ(DropDownHeight(measured, 21, 16), 100) << "unchanged heights give the registered height";
}

}  // namespace
