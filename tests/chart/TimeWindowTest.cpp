// The chart's time window: following the newest sample, held, zoomed and scrolled within the data.
#include "ui/chart/TimeWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeWindow, FollowsTheNewestUntilHeld)
{
    TimeWindow window(kWindowSpans[1]);
    EXPECT_EQ(window.Visible({0, 400000}), (TimeRange{100000, 400000}));
    // A chart younger than its span shows its samples at the right.
    EXPECT_EQ(window.Visible({0, 10000}), (TimeRange{10000 - 300000, 10000}));
    window.Hold({0, 400000});
    EXPECT_EQ(window.Visible({0, 500000}), (TimeRange{100000, 400000}));
    // Holding again keeps where it stands, not where the data has got to.
    window.Hold({0, 600000});
    EXPECT_EQ(window.Visible({0, 600000}), (TimeRange{100000, 400000}));
    window.Follow();
    EXPECT_EQ(window.Visible({0, 600000}), (TimeRange{300000, 600000}));
}

struct SpanCase {
    const char* what;
    bool held;
    std::int64_t span;
    TimeRange expected;
};

TEST(TimeWindow, NewSpanKeepsTheRightEdge)
{
    const TimeRange extent{0, 3600000};
    const SpanCase cases[] = {
        {"following, longer", false, kWindowSpans[3], {0, 3600000}},
        {"following, shorter", false, kWindowSpans[0], {3540000, 3600000}},
        {"held, shorter", true, kWindowSpans[0], {240000, 300000}},
        {"held, longer than the data before the edge", true, kWindowSpans[2], {0, 900000}},
        {"below the shortest", false, 10, {3600000 - kShortestSpan, 3600000}},
    };
    for (const SpanCase& c : cases) {
        TimeWindow window(kWindowSpans[1]);
        if (c.held)
            window.Hold({0, 300000});
        window.SetSpan(c.span, extent);
        EXPECT_EQ(window.Visible(extent), c.expected) << c.what;
    }
}

struct ZoomCase {
    const char* what;
    std::int64_t pointer;
    double factor;
    TimeRange expected;
};

TEST(TimeWindow, ZoomKeepsThePointersTimeInPlace)
{
    const TimeRange extent{0, 1000000};
    const ZoomCase cases[] = {
        {"in at the middle", 500000, 0.5, {250000, 750000}},
        {"in at a quarter", 250000, 0.5, {125000, 625000}},
        {"in at the left edge", 0, 0.1, {0, 100000}},
        {"out past the data", 500000, 4, {0, 1000000}},
        {"in below the shortest", 500000, 1e-9, {499000, 501000}},
    };
    for (const ZoomCase& c : cases) {
        TimeWindow window;
        window.ShowAll(extent);
        window.ZoomAround(c.pointer, c.factor, extent);
        EXPECT_EQ(window.Visible(extent), c.expected) << c.what;
        EXPECT_FALSE(window.Following()) << c.what;
    }
}

struct ScrollCase {
    const char* what;
    std::int64_t delta;
    TimeRange expected;
};

TEST(TimeWindow, ScrollStaysWithinTheData)
{
    const TimeRange extent{1000, 101000};
    const ScrollCase cases[] = {
        {"later", 5000, {26000, 46000}},
        {"earlier", -5000, {16000, 36000}},
        {"before the first sample", -90000, {1000, 21000}},
        {"past the last sample", 900000, {81000, 101000}},
    };
    for (const ScrollCase& c : cases) {
        TimeWindow window(20000);
        window.Hold({0, 41000});
        window.Scroll(c.delta, extent);
        EXPECT_EQ(window.Visible(extent), c.expected) << c.what;
    }
}

TEST(TimeWindow, ShowAllTakesTheWholeFile)
{
    TimeWindow window;
    window.ShowAll({5000, 905000});
    EXPECT_EQ(window.Visible({5000, 905000}), (TimeRange{5000, 905000}));
    // One row: the shortest span from it.
    window.ShowAll({7000, 7000});
    EXPECT_EQ(window.Visible({7000, 7000}), (TimeRange{7000, 7000 + kShortestSpan}));
}

}  // namespace
