// The chart's sample rings: bounded, in order after wrapping, and within their memory budget.
#include "ui/chart/LiveChartLimits.h"
#include "ui/chart/SampleStore.h"
#include "ui/chart/TimeWindow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const SeriesId kAngle{SeriesKind::Angle, 0};
const SeriesId kTemperature{SeriesKind::Temperature, 0};

struct WrapCase {
    std::size_t capacity;
    std::size_t appended;
};

class SampleStoreWrap : public testing::TestWithParam<WrapCase> {};

// Every kept sample pairs its own time with its own value, however often the ring went round.
TEST_P(SampleStoreWrap, KeepsTheNewestInOrder)
{
    const WrapCase c = GetParam();
    SampleStore store(c.capacity);
    const std::size_t angle = store.AddSeries(kAngle);
    const std::size_t bytes = store.MemoryBytes();
    for (std::size_t i = 0; i < c.appended; ++i) {
        store.Append(std::int64_t(i) * 100);
        store.Set(angle, float(i));
    }
    const std::size_t kept = std::min(c.capacity, c.appended);
    ASSERT_EQ(store.Size(), kept);
    EXPECT_EQ(store.MemoryBytes(), bytes);
    for (std::size_t i = 0; i < kept; ++i) {
        const std::size_t original = c.appended - kept + i;
        EXPECT_EQ(store.TimeAt(i), std::int64_t(original) * 100) << i;
        EXPECT_EQ(store.ValueAt(angle, i), float(original)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Rings, SampleStoreWrap,
                         testing::Values(WrapCase{5, 3}, WrapCase{5, 5}, WrapCase{5, 6}, WrapCase{5, 13},
                                         WrapCase{1, 4}, WrapCase{7, 70}));

TEST(SampleStore, SixtyMinutesOfFastPollingFitTheBudget)
{
    SampleStore store(kLiveSampleCapacity);
    for (int kind = 0; kind <= int(SeriesKind::Magnet2); ++kind)
        store.AddSeries(SeriesId{SeriesKind(kind), 0});
    for (std::uint16_t code = 0; code < kMaxExtraSeries; ++code)
        store.AddSeries(SeriesId{SeriesKind::Extra, code});
    const std::int64_t hour = 60 * kMinuteMs;
    std::int64_t t = 0;
    for (; t <= 2 * hour; t += kFastestPollMs) {
        store.Append(t);
        for (std::size_t s = 0; s < store.SeriesCount(); ++s)
            store.Set(s, 1.0f);
    }
    const std::int64_t newest = store.TimeAt(store.Size() - 1);
    EXPECT_LE(store.TimeAt(0), newest - hour);
    EXPECT_LE(store.MemoryBytes(), kLiveMemoryBudget);
}

TEST(SampleStore, SeriesAddedLaterHasNoEarlierValues)
{
    SampleStore store(4);
    const std::size_t angle = store.AddSeries(kAngle);
    for (int i = 0; i < 6; ++i) {
        store.Append(i);
        store.Set(angle, 1);
    }
    const std::size_t temperature = store.AddSeries(kTemperature);
    EXPECT_FALSE(store.HasValues(temperature));
    store.Append(6);
    store.Set(temperature, 20);
    EXPECT_TRUE(store.HasValues(temperature));
    for (std::size_t i = 0; i + 1 < store.Size(); ++i)
        EXPECT_TRUE(std::isnan(store.ValueAt(temperature, i))) << i;
    EXPECT_EQ(store.ValueAt(temperature, store.Size() - 1), 20);
    // A value not given for the newest sample is no value, not the one before.
    EXPECT_TRUE(std::isnan(store.ValueAt(angle, store.Size() - 1)));
    EXPECT_EQ(store.AddSeries(kAngle), angle);
}

TEST(SampleStore, TimesNeverGoBack)
{
    SampleStore store(8);
    for (std::int64_t t : {100, 200, 150, 300})
        store.Append(t);
    EXPECT_EQ(store.TimeAt(2), 200);
    EXPECT_EQ(store.TimeAt(3), 300);
}

struct BoundCase {
    std::int64_t time;
    std::size_t expected;
};

TEST(SampleStore, LowerBoundAfterWrapping)
{
    // Times 40..100 by 10 kept of 0..100, the ring's start in its middle.
    SampleStore store(7);
    for (std::int64_t t = 0; t <= 100; t += 10)
        store.Append(t);
    const BoundCase cases[] = {{0, 0}, {40, 0}, {41, 1}, {50, 1}, {95, 6}, {100, 6}, {101, 7}};
    for (const BoundCase& c : cases)
        EXPECT_EQ(store.LowerBound(c.time), c.expected) << c.time;
}

TEST(SampleStore, ClearKeepsSeries)
{
    SampleStore store(3);
    const std::size_t angle = store.AddSeries(kAngle);
    store.Append(1);
    store.Set(angle, 5);
    store.Clear();
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_EQ(store.SeriesCount(), 1u);
    EXPECT_FALSE(store.HasValues(angle));
    store.Append(2);
    EXPECT_TRUE(std::isnan(store.ValueAt(angle, 0)));
}

}  // namespace
