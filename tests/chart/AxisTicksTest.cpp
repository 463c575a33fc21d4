// The chart's axes: ranges on round steps, ticks and their labels, elapsed time as written.
#include "ui/chart/AxisTicks.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Labels(const std::vector<Tick>& ticks)
{
    std::vector<std::wstring> labels;
    for (const Tick& tick : ticks)
        labels.push_back(tick.label);
    return labels;
}

struct RangeCase {
    double low;
    double high;
    int maxTicks;
    ValueRange expected;
};

TEST(AxisTicks, RoundRangeHoldsTheValuesOnRoundSteps)
{
    const RangeCase cases[] = {
        {21.3, 24.8, 6, {21, 25}},
        // -10..50 would take six steps of 10: seven ticks.
        {-3.2, 41, 6, {-20, 60}},
        {-3.2, 41, 7, {-10, 50}},
        {0, 1, 6, {0, 1}},
        {100, 100, 6, {90, 110}},
        {0, 0, 6, {-0.001, 0.001}},
        {0.012, 0.0171, 5, {0.012, 0.018}},
        {3000, -1000, 5, {-1000, 3000}},
        // Rounding both ends out takes one step too many at 20: the next round step fits.
        {1, 99, 6, {0, 100}},
    };
    for (const RangeCase& c : cases) {
        const ValueRange got = RoundRange(c.low, c.high, c.maxTicks);
        EXPECT_NEAR(got.low, c.expected.low, 1e-9) << c.low << ".." << c.high;
        EXPECT_NEAR(got.high, c.expected.high, 1e-9) << c.low << ".." << c.high;
    }
}

struct TickCase {
    ValueRange range;
    int maxTicks;
    std::vector<std::wstring> labels;
};

TEST(AxisTicks, ValueTicksAreLabelledWithTheDecimalsTheStepNeeds)
{
    const TickCase cases[] = {
        {{21, 25}, 6, {L"21", L"22", L"23", L"24", L"25"}},
        {{-10, 50}, 7, {L"-10", L"0", L"10", L"20", L"30", L"40", L"50"}},
        {{-10, 50}, 4, {L"0", L"20", L"40"}},
        {{0, 1}, 6, {L"0.0", L"0.2", L"0.4", L"0.6", L"0.8", L"1.0"}},
        {{-0.3, 0.3}, 4, {L"-0.2", L"0.0", L"0.2"}},
        {{0.012, 0.018}, 4, {L"0.012", L"0.014", L"0.016", L"0.018"}},
    };
    for (const TickCase& c : cases)
        EXPECT_EQ(Labels(ValueTicks(c.range, c.maxTicks)), c.labels) << c.range.low << ".." << c.range.high;
}

TEST(AxisTicks, TheAngleIsMarkedEveryThirtyDegrees)
{
    EXPECT_EQ(Labels(StepTicks(kAngleRange, kAngleTickStep)),
              (std::vector<std::wstring>{L"0", L"30", L"60", L"90", L"120", L"150", L"180"}));
}

struct TimeTickCase {
    TimeRange range;
    int maxTicks;
    std::vector<std::wstring> labels;
};

TEST(AxisTicks, TimeTicksFallOnWholeSecondsMinutesAndHours)
{
    const TimeTickCase cases[] = {
        {{0, 60000}, 7, {L"0:00", L"0:10", L"0:20", L"0:30", L"0:40", L"0:50", L"1:00"}},
        {{0, 60000}, 4, {L"0:00", L"0:30", L"1:00"}},
        {{61500, 66000}, 10, {L"1:02", L"1:03", L"1:04", L"1:05", L"1:06"}},
        // A window reaching back before the chart began has no ticks there.
        {{-240000, 60000}, 6, {L"0:00", L"1:00"}},
        {{3000000, 7800000}, 5, {L"1:00:00", L"1:30:00", L"2:00:00"}},
        {{0, 0}, 5, {}},
    };
    for (const TimeTickCase& c : cases)
        EXPECT_EQ(Labels(TimeTicks(c.range, c.maxTicks)), c.labels) << c.range.begin << ".." << c.range.end;
}

struct LabelCase {
    std::int64_t ms;
    bool tenths;
    const wchar_t* expected;
};

TEST(AxisTicks, TimeLabels)
{
    const LabelCase cases[] = {
        {0, false, L"0:00"},         {59999, false, L"0:59"},     {60000, false, L"1:00"},
        {3599000, false, L"59:59"},  {3600000, false, L"1:00:00"}, {36061000, false, L"10:01:01"},
        {62549, true, L"1:02.5"},    {-5000, false, L"-0:05"},    {3600099, true, L"1:00:00.0"},
    };
    for (const LabelCase& c : cases)
        EXPECT_EQ(TimeLabel(c.ms, c.tenths), c.expected) << c.ms;
}

TEST(AxisTicks, ScalesMapBothWays)
{
    // Values grow upwards: 0 at the bottom pixel 300, 180 at the top pixel 20.
    const LinearScale angle{0, 180, 300, 20};
    EXPECT_DOUBLE_EQ(angle.Map(90), 160);
    EXPECT_DOUBLE_EQ(angle.Unmap(20), 180);
    EXPECT_DOUBLE_EQ(angle.Unmap(angle.Map(47.5)), 47.5);
}

}  // namespace
