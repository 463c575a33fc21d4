// What lies under the pointer: the nearest sample in view and the values shown there.
#include "ui/chart/PointerReadout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A plot 100 pixels wide from x 50, a strip under it; 10 s in view.
ChartLayout Layout()
{
    ChartLayout layout;
    layout.plot = LayoutRect{50, 20, 150, 120};
    layout.strip = LayoutRect{50, 125, 150, 145};
    return layout;
}

SampleStore Samples()
{
    // A sample every 1.5 s from 0 to 15 s: angle 10 * i, output 1 on from the fifth.
    SampleStore store(16);
    const std::size_t angle = store.AddSeries({SeriesKind::Angle, 0});
    const std::size_t output = store.AddSeries({SeriesKind::Output1, 0});
    const std::size_t lls = store.AddSeries({SeriesKind::Lls1, 0});
    for (int i = 0; i <= 10; ++i) {
        store.Append(i * 1500);
        store.Set(angle, 10.0f * i + 0.2f);
        store.Set(output, i >= 5 ? 3 : 0);
        if (i != 4)
            store.Set(lls, 7);
    }
    return store;
}

struct HitCase {
    const char* what;
    int x;
    int y;
    bool hit;
    std::int64_t time;
    std::vector<std::wstring> texts;  // angle, output 1, LLS 1
};

TEST(PointerReadout, NearestSampleInView)
{
    const SampleStore store = Samples();
    const TimeRange visible{2000, 12000};
    const HitCase cases[] = {
        {"left edge: the first sample in view, not the one before", 50, 60, true, 3000, {L"20.2", L"0", L"7"}},
        {"between two samples, nearer the later", 85, 60, true, 6000, {L"40.2", L"0", L""}},
        {"on a sample", 75, 60, true, 4500, {L"30.2", L"0", L"7"}},
        {"in the strip", 102, 130, true, 7500, {L"50.2", L"1", L"7"}},
        {"right edge: the last sample in view", 149, 60, true, 12000, {L"80.2", L"1", L"7"}},
        {"left of the plot", 49, 60, false},
        {"between plot and strip", 100, 122, false},
        {"below the strip", 100, 145, false},
    };
    for (const HitCase& c : cases) {
        const std::optional<PointerReadout> readout = ReadOut(store, Layout(), visible, {0, 1, 2}, c.x, c.y);
        ASSERT_EQ(readout.has_value(), c.hit) << c.what;
        if (!readout)
            continue;
        EXPECT_EQ(readout->time, c.time) << c.what;
        std::vector<std::wstring> texts;
        for (const ReadoutValue& value : readout->values)
            texts.push_back(value.text);
        EXPECT_EQ(texts, c.texts) << c.what;
    }
}

TEST(PointerReadout, NothingInView)
{
    const SampleStore store = Samples();
    EXPECT_FALSE(ReadOut(store, Layout(), {16000, 26000}, {0}, 100, 60));
    EXPECT_FALSE(SampleNear(store, 500, {100, 1400}));
}

TEST(PointerReadout, ColumnsAndTimesAgree)
{
    const ChartLayout layout = Layout();
    for (int x = layout.plot.left; x <= layout.plot.right; x += 7)
        EXPECT_EQ(ColumnOfTime(layout, {2000, 12000}, TimeAtColumn(layout, {2000, 12000}, x)), x);
}

TEST(PointerReadout, SampleTextLeavesOutWhatHasNoValue)
{
    const SampleStore store = Samples();
    const std::vector<SeriesId> shown{{SeriesKind::Angle, 0}, {SeriesKind::Temperature, 0}, {SeriesKind::Lls1, 0},
                                      {SeriesKind::Output1, 0}};
    EXPECT_EQ(SampleText(store, 4, shown), L"0:06.0; Angle, \u00B0: 40.2; Discrete output 1: 0");
    EXPECT_EQ(SampleText(store, 5, shown), L"0:07.5; Angle, \u00B0: 50.2; LLS parameter 1: 7; Discrete output 1: 1");
}

TEST(PointerReadout, ValueTexts)
{
    EXPECT_EQ(ReadoutText(SeriesKind::Temperature, -3.04f), L"-3.0");
    EXPECT_EQ(ReadoutText(SeriesKind::Magnet2, 0), L"0");
    EXPECT_EQ(ReadoutText(SeriesKind::Lls2, 4095), L"4095");
    EXPECT_EQ(ReadoutText(SeriesKind::VectorX, 0.125f), L"0.125");
    EXPECT_EQ(ReadoutText(SeriesKind::Angle, NAN), L"");
}

}  // namespace
