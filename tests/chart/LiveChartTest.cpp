// The connection's chart: each live update a sample of what the window shows, on the
// connection's own time line, started anew by a new connection.
#include "ui/chart/LiveChart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

LiveData Live(std::int32_t angle, std::int32_t temperature)
{
    LiveData live;
    live.angle = angle;
    live.temperature = temperature;
    live.lls[0] = 4095;
    live.lls[1] = kNoValue;
    live.outputValue[0] = 1;
    live.outputValue[1] = 0;
    live.magnet[0] = 0;
    live.magnet[1] = 5;
    live.extraCount = 2;
    live.extras[0] = ExtraValue{2, 1250};
    live.extras[1] = ExtraValue{9, kNoValue};
    return live;
}

// The texts the window shows for live: every value rebuilt from it.
DisplayTexts Shown(const LiveData& live)
{
    DisplayTexts texts;
    RebuildDisplayTexts(live, ~0u, texts);
    return texts;
}

float Newest(const LiveChart& chart, SeriesId id)
{
    const std::optional<std::size_t> s = chart.Samples().FindSeries(id);
    return s ? chart.Samples().ValueAt(*s, chart.Samples().Size() - 1) : NAN;
}

TEST(LiveChart, EachUpdateIsASampleOfTheShownValues)
{
    LiveChart chart;
    chart.Take(Live(4512, 2150), Shown(Live(4512, 2150)), 100000, true);
    chart.Take(Live(-1, -3275), Shown(Live(-1, -3275)), 100180, true);
    EXPECT_EQ(chart.Extent(), (TimeRange{0, 180}));
    EXPECT_FLOAT_EQ(Newest(chart, {SeriesKind::Angle, 0}), -0.01f);
    EXPECT_FLOAT_EQ(Newest(chart, {SeriesKind::Temperature, 0}), -32.75f);
    EXPECT_EQ(Newest(chart, {SeriesKind::Lls1, 0}), 4095);
    EXPECT_EQ(Newest(chart, {SeriesKind::Output1, 0}), 1);
    EXPECT_EQ(Newest(chart, {SeriesKind::Output2, 0}), 0);
    EXPECT_EQ(Newest(chart, {SeriesKind::Magnet1, 0}), 0);
    EXPECT_EQ(Newest(chart, {SeriesKind::Magnet2, 0}), 5);
    EXPECT_EQ(Newest(chart, {SeriesKind::Extra, 2}), 1250);
    // What the sensor has no reading for is no sample, never -32768.
    EXPECT_FALSE(chart.Samples().FindSeries({SeriesKind::Lls2, 0}));
    EXPECT_FALSE(chart.Samples().FindSeries({SeriesKind::Extra, 9}));
}

TEST(LiveChart, WhatTheWindowDoesNotShowIsNoSample)
{
    // Connected, before the first data answer: the live record holds zeros, the window nothing.
    LiveChart chart;
    chart.Take(LiveData{}, DisplayTexts{}, 0, true);
    EXPECT_EQ(chart.Samples().Size(), 1u);
    EXPECT_EQ(chart.Samples().SeriesCount(), 0u);
    // An LLS answer brings the temperature and the LLS parameters only.
    LiveData live = Live(4512, 2150);
    DisplayTexts texts;
    RebuildDisplayTexts(live, kLlsDataTextGroups, texts);
    chart.Take(live, texts, 100, true);
    EXPECT_EQ(Newest(chart, {SeriesKind::Temperature, 0}), 21.5f);
    EXPECT_TRUE(std::isnan(Newest(chart, {SeriesKind::Angle, 0})));
    EXPECT_TRUE(std::isnan(Newest(chart, {SeriesKind::Output1, 0})));
    EXPECT_TRUE(std::isnan(Newest(chart, {SeriesKind::Magnet1, 0})));
}

TEST(LiveChart, MagnetsOnlyWhereTheFirmwareHasThem)
{
    LiveChart chart;
    chart.Take(Live(100, 100), Shown(Live(100, 100)), 0, false);
    EXPECT_FALSE(chart.Samples().FindSeries({SeriesKind::Magnet1, 0}));
    EXPECT_FALSE(chart.Samples().FindSeries({SeriesKind::Magnet2, 0}));
}

TEST(LiveChart, ANewConnectionStartsANewChart)
{
    LiveChart chart;
    chart.Take(Live(100, 100), Shown(Live(100, 100)), 5000, true);
    chart.Take(Live(200, 100), Shown(Live(200, 100)), 6000, true);
    chart.Window().Hold(chart.Extent());
    chart.Restart();
    EXPECT_EQ(chart.Samples().Size(), 0u);
    EXPECT_EQ(chart.Extent(), (TimeRange{0, 0}));
    chart.Take(Live(300, 100), Shown(Live(300, 100)), 90000, true);
    EXPECT_EQ(chart.Extent(), (TimeRange{0, 0}));
    EXPECT_FLOAT_EQ(Newest(chart, {SeriesKind::Angle, 0}), 3.0f);
    // A new chart follows its newest values, whatever the old one was held at.
    EXPECT_TRUE(chart.Window().Following());
}

}  // namespace
