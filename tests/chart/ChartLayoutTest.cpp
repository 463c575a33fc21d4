// The chart's parts in pictures of every size the page, the viewer and kivra-cli make.
#include "ui/chart/ChartLayout.h"

#include <gtest/gtest.h>

namespace {

bool Overlap(const LayoutRect& a, const LayoutRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct LayoutCase {
    LayoutRect area;
    ChartTextMetrics text;
    int rightAxes;
    int lanes;
};

TEST(ChartLayout, PartsStayApartAndInside)
{
    const LayoutCase cases[] = {
        {{0, 0, 1000, 600}, {13, 7}, 0, 0},  {{0, 0, 1000, 600}, {13, 7}, 2, 4},
        {{10, 20, 610, 420}, {20, 11}, 1, 2}, {{0, 0, 3840, 2160}, {40, 22}, 2, 4},
        {{0, 0, 400, 300}, {13, 7}, 2, 4},
    };
    for (const LayoutCase& c : cases) {
        const ChartLayout layout = LayOutChart(c.area, c.text, c.rightAxes, c.lanes);
        const LayoutRect parts[] = {layout.legend, layout.plot, layout.strip, layout.timeLabels};
        for (const LayoutRect& part : parts) {
            if (part.Width() == 0 && part.Height() == 0)
                continue;
            EXPECT_GE(part.left, c.area.left);
            EXPECT_GE(part.top, c.area.top);
            EXPECT_LE(part.right, c.area.right);
            EXPECT_LE(part.bottom, c.area.bottom);
        }
        EXPECT_FALSE(Overlap(layout.legend, layout.plot));
        EXPECT_FALSE(Overlap(layout.plot, layout.strip));
        EXPECT_FALSE(Overlap(layout.strip, layout.timeLabels));
        EXPECT_FALSE(Overlap(layout.plot, layout.timeLabels));
        EXPECT_GT(layout.plot.Height(), c.area.Height() / 3) << c.area.Height();
        EXPECT_EQ(layout.strip.Height(), c.lanes * layout.laneHeight);
        // The scaled axes' labels fit right of the plot.
        EXPECT_LE(layout.plot.right + c.rightAxes * layout.rightAxisWidth, c.area.right);
        EXPECT_GE(layout.plot.left - layout.leftAxisWidth, c.area.left);
    }
}

TEST(ChartLayout, LaneNamesGetRoomAtTheLeft)
{
    const ChartTextMetrics text{13, 7};
    const ChartLayout plain = LayOutChart({0, 0, 800, 500}, text, 0, 2, 10);
    const ChartLayout named = LayOutChart({0, 0, 800, 500}, text, 0, 2, 90);
    const ChartLayout noLanes = LayOutChart({0, 0, 800, 500}, text, 0, 0, 90);
    EXPECT_EQ(named.plot.left - plain.plot.left, 90 - 4 * text.digitWidth);
    EXPECT_GE(named.plot.left - named.tickLength - 90, 0);
    EXPECT_EQ(noLanes.plot.left, plain.plot.left);
}

TEST(ChartLayout, Parts)
{
    const ChartLayout layout = LayOutChart({0, 0, 800, 500}, {13, 7}, 1, 2);
    EXPECT_EQ(PartAt(layout, layout.plot.left, layout.plot.top), ChartPart::Plot);
    EXPECT_EQ(PartAt(layout, layout.plot.right - 1, layout.plot.bottom - 1), ChartPart::Plot);
    EXPECT_EQ(PartAt(layout, layout.plot.right, layout.plot.top), ChartPart::Outside);
    EXPECT_EQ(PartAt(layout, layout.strip.left, layout.strip.top), ChartPart::Strip);
    EXPECT_EQ(PartAt(layout, layout.strip.left, layout.strip.bottom), ChartPart::Outside);
    EXPECT_EQ(PartAt(layout, layout.plot.left - 1, layout.plot.top), ChartPart::Outside);
}

}  // namespace
