// A series brought down to pixel columns: every peak kept, lines broken where values are missing.
#include "ui/chart/ColumnEnvelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

SampleStore Samples(const std::vector<std::pair<std::int64_t, float>>& points)
{
    SampleStore store(points.size());
    const std::size_t series = store.AddSeries({SeriesKind::Angle, 0});
    for (const auto& [time, value] : points) {
        store.Append(time);
        if (!std::isnan(value))
            store.Set(series, value);
    }
    return store;
}

TEST(ColumnEnvelope, ManySamplesPerColumnKeepTheirPeaks)
{
    // 1000 samples, one every 10 ms, over 10 columns: 100 per column; one spike in column 3.
    std::vector<std::pair<std::int64_t, float>> points;
    for (int i = 0; i < 1000; ++i)
        points.push_back({i * 10, i == 345 ? 170.0f : float(i % 100) / 10});
    const SampleStore store = Samples(points);
    const std::vector<ColumnSpan> spans = SeriesColumns(store, 0, {0, 10000}, 10);
    ASSERT_EQ(spans.size(), 10u);
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(spans[c].column, c);
        EXPECT_EQ(spans[c].low, 0.0f);
        EXPECT_EQ(spans[c].high, c == 3 ? 170.0f : 9.9f);
        EXPECT_EQ(spans[c].first, 0.0f);
        EXPECT_EQ(spans[c].last, 9.9f);
        EXPECT_EQ(spans[c].joined, c > 0);
    }
}

struct EdgeCase {
    const char* what;
    TimeRange range;
    std::vector<ColumnSpan> expected;
};

TEST(ColumnEnvelope, OneSampleEitherSideAndBreaks)
{
    // Samples at 0, 100, ..., 900; no value at 500.
    std::vector<std::pair<std::int64_t, float>> points;
    for (int i = 0; i < 10; ++i)
        points.push_back({i * 100, i == 5 ? NAN : float(i)});
    const SampleStore store = Samples(points);
    const EdgeCase cases[] = {
        {"inside, with the neighbours outside", {250, 450}, {{-1, 2, 2, 2, 2, false}, {1, 3, 3, 3, 3, true},
                                                            {3, 4, 4, 4, 4, true}}},
        {"the missing value breaks the line", {350, 750}, {{-1, 3, 3, 3, 3, false}, {0, 4, 4, 4, 4, true},
                                                          {2, 6, 6, 6, 6, false}, {3, 7, 7, 7, 7, true},
                                                          {4, 8, 8, 8, 8, true}}},
        {"after the last sample", {1000, 1400}, {{-1, 9, 9, 9, 9, false}}},
        {"long before the first sample", {-100000, -99600}, {{8, 0, 0, 0, 0, false}}},
    };
    for (const EdgeCase& c : cases)
        EXPECT_EQ(SeriesColumns(store, 0, c.range, 4), c.expected) << c.what;
}

TEST(ColumnEnvelope, NothingToDraw)
{
    const SampleStore store = Samples({{0, 1}, {100, 2}});
    EXPECT_TRUE(SeriesColumns(store, 0, {0, 100}, 0).empty());
    EXPECT_TRUE(SeriesColumns(store, 0, {100, 100}, 10).empty());
    EXPECT_TRUE(SeriesColumns(Samples({}), 0, {0, 100}, 10).empty());
}

}  // namespace
