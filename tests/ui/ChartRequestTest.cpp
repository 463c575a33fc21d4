// kivra-cli chart's options as read, and the stretch of a log each one draws.
#include "ui/cli/ChartRequest.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <sstream>

namespace {

const CliCommand kChart[] = {{L"chart", CliOperands::Chart, false, nullptr, 0}};

ChartRequest Request(const std::wstring& line)
{
    std::wistringstream in(line);
    std::vector<std::wstring> words;
    for (std::wstring w; in >> w;)
        words.push_back(w);
    CliArguments arguments;
    std::wstring error;
    EXPECT_TRUE(ParseCliArguments(words, kChart, arguments, error)) << std::string(error.begin(), error.end());
    ChartRequest request;
    EXPECT_TRUE(MakeChartRequest(arguments, request, error));
    return request;
}

TEST(ChartRequest, OptionsAsGiven)
{
    const ChartRequest plain = Request(L"chart GearLog_7.txt --out day.png");
    EXPECT_EQ(plain.log, L"GearLog_7.txt");
    EXPECT_EQ(plain.picture, L"day.png");
    EXPECT_EQ(plain.size, kDefaultPictureSize);
    EXPECT_FALSE(plain.fromSeconds);
    EXPECT_FALSE(plain.toSeconds);
    EXPECT_TRUE(plain.series.empty());

    const ChartRequest full = Request(L"chart a.txt --from 1.5 --to 90 --size 200x4000 --series lls2,angle,lls2,extra9 --out b.png");
    EXPECT_EQ(full.fromSeconds, 1.5);
    EXPECT_EQ(full.toSeconds, 90.0);
    EXPECT_EQ(full.size, (LayoutSize{200, 4000}));
    EXPECT_EQ(full.series, (std::vector<SeriesId>{{SeriesKind::Lls2, 0}, {SeriesKind::Angle, 0}, {SeriesKind::Extra, 9}}));
}

struct RangeCase {
    const wchar_t* line;
    TimeRange expected;
};

TEST(ChartRequest, StretchOfTheLogCountedFromItsStart)
{
    // The log's samples lie from 5 s to 905 s on its time line.
    const TimeRange extent{5000, 905000};
    const RangeCase cases[] = {
        {L"chart a --out b", {5000, 905000}},
        {L"chart a --out b --from 60", {65000, 905000}},
        {L"chart a --out b --to 60", {5000, 65000}},
        {L"chart a --out b --from 0.25 --to 0.5", {5250, 5250 + kShortestSpan}},
        {L"chart a --out b --from 2000", {2005000, 2005000 + kShortestSpan}},
    };
    for (const RangeCase& c : cases)
        EXPECT_EQ(PictureRange(Request(c.line), extent), c.expected) << std::string(c.line, c.line + wcslen(c.line));
}

TEST(ChartRequest, LargerPicturesLargerText)
{
    EXPECT_EQ(PictureZoom(kDefaultPictureSize), 1.0);
    EXPECT_EQ(PictureZoom({400, 300}), 1.0);
    EXPECT_EQ(PictureZoom({2000, 1500}), 2.0);
    EXPECT_EQ(PictureZoom({4000, 4000}), 3.0);
}

}  // namespace
