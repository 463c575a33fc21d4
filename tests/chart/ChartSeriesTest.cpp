// The names of the series on kivra-cli's command line, and the axis each series is drawn on.
#include "ui/chart/ChartSeries.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ChartSeries, EveryKeyNamesItsSeries)
{
    std::vector<SeriesId> ids;
    for (int kind = 0; kind < int(SeriesKind::Extra); ++kind)
        ids.push_back({SeriesKind(kind), 0});
    ids.push_back({SeriesKind::Extra, 0});
    ids.push_back({SeriesKind::Extra, 31});
    std::vector<std::wstring> keys;
    for (const SeriesId& id : ids) {
        const std::wstring key = SeriesKey(id);
        EXPECT_FALSE(key.empty());
        EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 0) << "twice: " << testing::PrintToString(key);
        keys.push_back(key);
        SeriesId back;
        ASSERT_TRUE(ParseSeriesKey(key, back)) << testing::PrintToString(key);
        EXPECT_EQ(back, id);
        EXPECT_FALSE(SeriesName(id).empty()) << testing::PrintToString(key);
    }
}

TEST(ChartSeries, WordsThatAreNoSeries)
{
    for (const wchar_t* key : {L"", L"Angle", L"angle ", L"extra", L"extra32", L"extra+1", L"extra 1", L"extra001",
                               L"extra-1", L"lls3", L"vector"}) {
        SeriesId id;
        EXPECT_FALSE(ParseSeriesKey(key, id)) << testing::PrintToString(std::wstring(key));
    }
}

TEST(ChartSeries, Axes)
{
    EXPECT_EQ(AxisOf(SeriesKind::Angle), SeriesAxis::Angle);
    EXPECT_EQ(AxisOf(SeriesKind::Temperature), SeriesAxis::Temperature);
    for (SeriesKind kind : {SeriesKind::Output1, SeriesKind::Output2, SeriesKind::Magnet1, SeriesKind::Magnet2})
        EXPECT_EQ(AxisOf(kind), SeriesAxis::Strip);
    for (SeriesKind kind : {SeriesKind::Lls1, SeriesKind::Lls2, SeriesKind::VectorX, SeriesKind::VectorY,
                            SeriesKind::VectorZ, SeriesKind::Auxiliary, SeriesKind::Extra})
        EXPECT_EQ(AxisOf(kind), SeriesAxis::Values);
}

}  // namespace
