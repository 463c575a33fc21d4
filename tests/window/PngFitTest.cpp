// Where an image button draws its picture, for the buttons the windows carry.
#include "ui/window/PngFit.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* what;
    LayoutRect item;
    FitDpi dpi;
    LayoutSize picture;
    LayoutRect expected;
};

const FitCase kFitCases[] = {
    // The 32 x 32 help marker in an 8 x 8 dialog-unit button: 12 x 13 pixels with
    // a 6 x 13 dialog font, 16 x 16 with an 8 x 16 one.
    {"marker, 6x13 font", {0, 0, 12, 13}, {96, 96}, {32, 32}, {0, 0, 12, 12}},
    {"marker, 8x16 font", {0, 0, 16, 16}, {120, 120}, {32, 32}, {0, 0, 16, 16}},
    {"marker, wider button", {0, 0, 15, 12}, {96, 96}, {32, 32}, {1, 0, 13, 12}},
    // The 846 x 108 logo in a 162 x 42 dialog-unit button: full width, centred
    // vertically.
    {"logo, 6x13 font", {0, 0, 243, 68}, {96, 96}, {846, 108}, {0, 18, 243, 49}},
    {"logo, 8x16 font", {0, 0, 324, 84}, {120, 120}, {846, 108}, {0, 21, 324, 62}},
    // A tall picture fills the height and is centred across.
    {"tall image", {0, 0, 100, 50}, {96, 96}, {32, 64}, {37, 0, 62, 50}},
    {"tall image, rounded up", {0, 0, 100, 51}, {96, 96}, {32, 64}, {37, 0, 63, 51}},
    // Same proportions as the button: fills it.
    {"same shape", {0, 0, 60, 30}, {96, 96}, {120, 60}, {0, 0, 60, 30}},
    // Away from the origin the centring stays inside the item.
    {"tall image, offset", {10, 20, 110, 70}, {96, 96}, {32, 64}, {47, 20, 72, 70}},
    {"logo, offset", {5, 7, 248, 75}, {96, 96}, {846, 108}, {5, 25, 248, 56}},
    // Pixels twice as wide as tall: a square of pixels shows twice as wide as
    // tall, so a picture a little wider than square fills the height (the drawing
    // itself is in pixels and spills over the sides).
    {"tall pixels", {0, 0, 100, 100}, {96, 192}, {120, 100}, {-10, 0, 110, 100}},
    {"no resolution", {0, 0, 100, 50}, {0, 0}, {32, 64}, {37, 0, 62, 50}},
    // Nothing to draw into, or nothing to draw.
    {"empty item", {3, 4, 3, 17}, {96, 96}, {32, 32}, {3, 4, 3, 4}},
    {"flat item", {3, 4, 15, 4}, {96, 96}, {32, 32}, {3, 4, 3, 4}},
    {"empty image", {0, 0, 12, 13}, {96, 96}, {0, 32}, {0, 0, 0, 0}},
    {"flat image", {0, 0, 12, 13}, {96, 96}, {32, 0}, {0, 0, 0, 0}},
};

TEST(PngFit, RectangleForEachButton)
{
    for (const FitCase& c : kFitCases) {
        SCOPED_TRACE(c.what);
        const LayoutRect fit = PngFit(c.item, c.dpi, c.picture);
        EXPECT_EQ(fit.left, c.expected.left);
        EXPECT_EQ(fit.top, c.expected.top);
        EXPECT_EQ(fit.right, c.expected.right);
        EXPECT_EQ(fit.bottom, c.expected.bottom);
    }
}

}  // namespace
