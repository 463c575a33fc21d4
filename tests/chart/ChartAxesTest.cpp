// Which axis each shown series takes, and what the scaled axes span.
#include "ui/chart/ChartAxes.h"

#include <gtest/gtest.h>

namespace {

const SeriesId kAngle{SeriesKind::Angle, 0};
const SeriesId kTemperature{SeriesKind::Temperature, 0};
const SeriesId kLls1{SeriesKind::Lls1, 0};
const SeriesId kVibration{SeriesKind::Extra, 2};
const SeriesId kOutput1{SeriesKind::Output1, 0};
const SeriesId kMagnet1{SeriesKind::Magnet1, 0};

// Ten samples a second apart: angle i, temperature 20 + i / 10, LLS 1 100 * i, vibration 3,
// output 1 every other sample; magnet 1 known but never given a value.
SampleStore Samples()
{
    SampleStore store(16);
    const std::size_t angle = store.AddSeries(kAngle);
    const std::size_t temperature = store.AddSeries(kTemperature);
    const std::size_t lls = store.AddSeries(kLls1);
    const std::size_t vibration = store.AddSeries(kVibration);
    const std::size_t output = store.AddSeries(kOutput1);
    store.AddSeries(kMagnet1);
    for (int i = 0; i < 10; ++i) {
        store.Append(i * 1000);
        store.Set(angle, float(i));
        store.Set(temperature, 20 + float(i) / 10);
        store.Set(lls, 100.0f * i);
        store.Set(vibration, 3);
        store.Set(output, float(i % 2));
    }
    return store;
}

TEST(ChartAxes, EachSeriesOnItsAxis)
{
    const SampleStore store = Samples();
    const ChartAxes axes = ArrangeAxes(store, {kOutput1, kLls1, kAngle, kMagnet1, kTemperature}, {0, 9000}, 6);
    EXPECT_EQ(axes.plotted, (std::vector<std::size_t>{2, 0, 1}));
    // The magnet detector never had a value: no lane for it.
    EXPECT_EQ(axes.strip, (std::vector<std::size_t>{4}));
    EXPECT_TRUE(axes.angle);
    ASSERT_TRUE(axes.temperature);
    EXPECT_NEAR(axes.temperature->low, 20, 1e-9);
    EXPECT_NEAR(axes.temperature->high, 21, 1e-9);
    ASSERT_TRUE(axes.values);
    EXPECT_EQ(*axes.values, (ValueRange{0, 1000}));
}

TEST(ChartAxes, ScaledAxesFollowWhatIsInView)
{
    const SampleStore store = Samples();
    const ChartAxes axes = ArrangeAxes(store, {kLls1, kVibration}, {2000, 4000}, 6);
    EXPECT_FALSE(axes.angle);
    EXPECT_FALSE(axes.temperature);
    ASSERT_TRUE(axes.values);
    EXPECT_EQ(*axes.values, (ValueRange{0, 400}));
    // Nothing in view keeps the axis with a range of its own.
    const ChartAxes empty = ArrangeAxes(store, {kTemperature}, {20000, 30000}, 6);
    ASSERT_TRUE(empty.temperature);
    EXPECT_EQ(*empty.temperature, (ValueRange{0, 1}));
}

TEST(ChartAxes, ValueExtentSkipsMissingValues)
{
    SampleStore store(4);
    const std::size_t s = store.AddSeries(kTemperature);
    store.Append(0);
    store.Set(s, 5);
    store.Append(1);
    store.Append(2);
    store.Set(s, -7);
    EXPECT_EQ(ValueExtent(store, {s}, {0, 2}), (ValueRange{-7, 5}));
    EXPECT_EQ(ValueExtent(store, {s}, {1, 1}), std::nullopt);
}

}  // namespace
