// A window opened over another never stands partly off the screen's work area.
#include "ui/window/ScreenPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenPlacement, KeptInsideTheWorkArea)
{
    // A work area with a task bar of 40 pixels at the bottom of a 1280 × 900 screen.
    const LayoutRect area{0, 0, 1280, 860};
    struct Case {
        const char* what;
        LayoutRect window;
        LayoutRect expected;
    };
    const Case cases[] = {
        {"inside already", {100, 100, 400, 300}, {100, 100, 400, 300}},
        {"touching every edge", {0, 0, 1280, 860}, {0, 0, 1280, 860}},
        {"off the left and top", {-50, -20, 250, 180}, {0, 0, 300, 200}},
        {"over the right edge and the task bar", {1100, 800, 1400, 1000}, {980, 660, 1280, 860}},
        {"wider and taller than the area", {-100, -100, 1500, 1000}, {0, 0, 1600, 1100}},
        {"wider, over the right edge", {200, 100, 1700, 300}, {0, 100, 1500, 300}},
    };
    for (const Case& c : cases) {
        const LayoutRect placed = KeptInside(c.window, area);
        EXPECT_EQ(placed, c.expected) << c.what;
        EXPECT_EQ(placed.Width(), c.window.Width()) << c.what;
        EXPECT_EQ(placed.Height(), c.window.Height()) << c.what;
    }
    // A work area that does not start at the origin (a second screen on the left).
    EXPECT_EQ(KeptInside({-2000, 50, -1500, 450}, {-1920, 0, 0, 1040}), (LayoutRect{-1920, 50, -1420, 450}));
}

}  // namespace
