// Heights of the three scaled fonts.
#include "ui/window/FontHeights.h"

#include <gtest/gtest.h>

namespace {

TEST(FontHeights, EachIndexOneAndAHalfTimesTheOneBeforeTruncatedTowardZero)
{
    struct Case {
        int base;
        float scale;
        ScaledFontHeights expected;
    };
    const Case cases[] = {
        {-11, 1.0f, {-11, -16, -24}},    // -16.5, -24.75
        {-11, 2.0f, {-22, -33, -49}},    // -49.5
        {-11, 0.5f, {-5, -8, -12}},      // -5.5, -8.25, -12.375
        {-13, 1.3f, {-16, -25, -38}},    // -16.9, -25.35, -38.025
        {16, 1.0f, {16, 24, 36}},        // cell heights are positive
        {16, 1.1f, {17, 26, 39}},        // 17.6, 26.4, 39.6
        {0, 3.0f, {0, 0, 0}},            // the platform's default height
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeScaledFontHeights(c.base, c.scale), c.expected) << c.base << " at " << c.scale;
}

TEST(FontHeights, TheProductRunsInSinglePrecision)
{
    // -7 × 1.1 in single precision is -7.7000003; ×1.5 gives -11.55, ×1.5 -17.325: the running
    // product, not a fresh power per index.
    const float scale = 1.1f;
    float running = -7.0f * scale;
    ScaledFontHeights expected{};
    for (int& h : expected) {
        h = static_cast<int>(running);
        running *= 1.5f;
    }
    EXPECT_EQ(ComputeScaledFontHeights(-7, scale), expected);
    EXPECT_EQ(expected, (ScaledFontHeights{-7, -11, -17}));
}

}  // namespace
