// Zoom arithmetic: control rectangles, scales, minimum size and child dialogs.
#include "ui/window/ZoomGeometry.h"

#include <gtest/gtest.h>

#include "ui/window/FontHeights.h"

namespace {

TEST(ZoomGeometry, RectEdgesScaleWithHalfUpTruncation)
{
    struct Case {
        LayoutRect registered;
        float sx;
        float sy;
        LayoutRect expected;
    };
    const Case cases[] = {
        {{10, 20, 110, 45}, 1.0f, 1.0f, {10, 20, 110, 45}},
        {{10, 20, 110, 45}, 2.0f, 1.0f, {20, 20, 220, 45}},
        {{10, 20, 110, 45}, 2.0f, 2.0f, {20, 40, 220, 90}},
        {{3, 5, 7, 9}, 1.5f, 1.5f, {5, 8, 11, 14}},      // 4.5 -> 5, 7.5 -> 8, 10.5 -> 11, 13.5 -> 14
        {{1, 1, 3, 3}, 1.2f, 1.2f, {1, 1, 4, 4}},         // 1.2 -> 1, 3.6 -> 4
        {{100, 100, 200, 150}, 0.5f, 0.5f, {50, 50, 100, 75}},
        {{0, 0, 33, 33}, 1.01f, 1.01f, {0, 0, 33, 33}},   // 33.33 stays 33
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleLayoutRect(c.registered, c.sx, c.sy), c.expected) << c.sx << " x " << c.sy;
}

TEST(ZoomGeometry, TwiceAsWideDoublesXAndWidthsKeepsHeightsAndFonts)
{
    CZoomState zoom;
    zoom.Start(400, 300);
    ASSERT_TRUE(zoom.Resize(false, 800, 300));
    EXPECT_EQ(zoom.ScaleX(), 2.0f);
    EXPECT_EQ(zoom.ScaleY(), 1.0f);
    EXPECT_EQ(zoom.FontScale(), 1.0f);
    EXPECT_EQ(ScaleLayoutRect({10, 20, 110, 45}, zoom.ScaleX(), zoom.ScaleY()), (LayoutRect{20, 20, 220, 45}));
    EXPECT_EQ(ComputeScaledFontHeights(-11, zoom.FontScale()), (ScaledFontHeights{-11, -16, -24}));
}

TEST(ZoomGeometry, TwiceWideAndHighDoublesTheFonts)
{
    CZoomState zoom;
    zoom.Start(400, 300);
    ASSERT_TRUE(zoom.Resize(false, 800, 600));
    EXPECT_EQ(zoom.FontScale(), 2.0f);
    EXPECT_EQ(ComputeScaledFontHeights(-11, zoom.FontScale()), (ScaledFontHeights{-22, -33, -49}));
    // Wider than high: the smaller scale sizes the fonts.
    ASSERT_TRUE(zoom.Resize(false, 1200, 450));
    EXPECT_EQ(zoom.FontScale(), 1.5f);
}

TEST(ZoomGeometry, ScalesBelowHalfAreRaisedToHalf)
{
    CZoomState zoom;
    zoom.Start(400, 300);
    ASSERT_TRUE(zoom.Resize(false, 100, 60));
    EXPECT_EQ(zoom.ScaleX(), 0.5f);
    EXPECT_EQ(zoom.ScaleY(), 0.5f);
    EXPECT_EQ(AxisZoomScale(199, 400), 0.5f);
    EXPECT_EQ(AxisZoomScale(201, 400), 201.0f / 400.0f);
    EXPECT_EQ(AxisZoomScale(0, 400), 0.5f);
    EXPECT_EQ(AxisZoomScale(100, 0), 1.0f);
}

TEST(ZoomGeometry, OnlyARealSizeChangeLaysOut)
{
    CZoomState zoom;
    EXPECT_FALSE(zoom.Resize(false, 800, 600)) << "before initialisation";
    zoom.Start(400, 300);
    EXPECT_FALSE(zoom.Resize(false, 400, 300)) << "same size";
    ASSERT_TRUE(zoom.Resize(false, 600, 300));
    EXPECT_FALSE(zoom.Resize(true, 0, 0)) << "minimised";
    EXPECT_FALSE(zoom.Resize(false, 600, 300)) << "restored from minimised to the same size";
    EXPECT_EQ(zoom.ScaleX(), 1.5f);
    EXPECT_TRUE(zoom.Resize(false, 400, 300));
    EXPECT_EQ(zoom.ScaleX(), 1.0f);
    zoom.Start(200, 100);
    EXPECT_EQ(zoom.ScaleX(), 1.0f) << "a new start forgets the old scales";
}

TEST(ZoomGeometry, MinimumTrackSizeIsTwoThirds)
{
    EXPECT_EQ(MinimumTrackSize(740, 480), (LayoutSize{493, 320}));
    EXPECT_EQ(MinimumTrackSize(3, 2), (LayoutSize{2, 1}));
    EXPECT_EQ(MinimumTrackSize(0, 0), (LayoutSize{0, 0}));
}

TEST(ZoomGeometry, ChildOpensEnlargedAndCentredOnTheMainWindow)
{
    struct Case {
        LayoutRect window;
        int clientWidth;
        int clientHeight;
        float scale;
        LayoutRect main;
        LayoutRect expected;
    };
    const Case cases[] = {
        // mx = trunc(290 × 1.5 − 290 + 1) / 2 = 73, my = trunc(170 × 1.5 − 170 + 1) / 2 = 43.
        {{100, 100, 400, 300}, 290, 170, 1.5f, {0, 0, 1000, 800}, {277, 257, 723, 543}},
        // Scale 2: the client doubles (plus one for the rounding).
        {{0, 0, 210, 130}, 200, 100, 2.0f, {50, 50, 650, 450}, {145, 135, 555, 365}},
        // Odd centres: the integer means of the edges meet.
        {{0, 0, 11, 11}, 10, 10, 1.0f, {0, 0, 101, 101}, {45, 45, 56, 56}},
    };
    for (const Case& c : cases) {
        const LayoutRect r = EnlargedChildRect(c.window, c.clientWidth, c.clientHeight, c.scale, c.main);
        EXPECT_EQ(r, c.expected) << c.scale;
        EXPECT_EQ((r.left + r.right) / 2, (c.main.left + c.main.right) / 2);
        EXPECT_EQ((r.top + r.bottom) / 2, (c.main.top + c.main.bottom) / 2);
        // The client area grows by about (scale − 1) times its size.
        EXPECT_NEAR(r.Width() - c.window.Width(), c.clientWidth * (c.scale - 1.0f), 1.0);
        EXPECT_NEAR(r.Height() - c.window.Height(), c.clientHeight * (c.scale - 1.0f), 1.0);
    }
}

}  // namespace
