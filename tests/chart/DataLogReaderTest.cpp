// Data-log files read for the chart: rows on one time line however the bytes arrive, runs of
// logging one after another, lines that are no rows counted and named, the file left alone.
#include "ui/chart/DataLogReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const char kLog[] =
    "0,  20.0,  10.0, 1, 2\r\n"
    "100,  20.5,  11.0, 1, 2\r\n"
    "GearLog header pasted by hand\r\n"
    "200,  21.0,  , 1, 2\r\n"
    "\r\n"
    // Logging switched off and on: elapsed starts again.
    "0,  22.0,  30.0, 3, 4, 0.500000, 0.250000, 1.000000,   7.5\r\n"
    "50,  22.5,  31.0, 3, 4, ,   8.0\n"
    "0;1;2\r\n"
    "4, 5, 6\r\n"
    "x\r\n"
    "y\r\n"
    "70, 23.0, 32.0, 3, 4";  // no line end at the end of the file

struct Expected {
    std::int64_t time;
    float angle;
};

void ExpectTheLog(DataLogParser& parser)
{
    EXPECT_EQ(parser.Rows(), 6u);
    EXPECT_EQ(parser.SkippedCount(), 6u);
    ASSERT_EQ(parser.NamedSkipped().size(), kNamedSkippedLines);
    const std::uint64_t numbers[] = {3, 5, 8, 9, 10};
    const wchar_t* texts[] = {L"GearLog header pasted by hand", L"", L"0;1;2", L"4, 5, 6", L"x"};
    for (std::size_t i = 0; i < kNamedSkippedLines; ++i) {
        EXPECT_EQ(parser.NamedSkipped()[i].number, numbers[i]);
        EXPECT_EQ(parser.NamedSkipped()[i].text, texts[i]);
    }
    const SampleStore samples = parser.TakeSamples();
    const std::optional<std::size_t> angle = samples.FindSeries({SeriesKind::Angle, 0});
    ASSERT_TRUE(angle);
    EXPECT_TRUE(samples.FindSeries({SeriesKind::VectorX, 0}));
    EXPECT_TRUE(samples.FindSeries({SeriesKind::Auxiliary, 0}));
    // The second run starts a gap after the first one's last row, with a break between.
    const Expected expected[] = {{0, 10}, {100, 11}, {200, NAN}, {700, NAN}, {1200, 30}, {1250, 31}, {1270, 32}};
    ASSERT_EQ(samples.Size(), std::size(expected));
    for (std::size_t i = 0; i < samples.Size(); ++i) {
        EXPECT_EQ(samples.TimeAt(i), expected[i].time) << i;
        const float got = samples.ValueAt(*angle, i);
        if (std::isnan(expected[i].angle))
            EXPECT_TRUE(std::isnan(got)) << i;
        else
            EXPECT_EQ(got, expected[i].angle) << i;
    }
}

TEST(DataLogReader, PiecesOfAnySizeReadTheSame)
{
    const std::string log(kLog);
    for (std::size_t piece = 1; piece <= log.size(); piece += piece < 40 ? 1 : 97) {
        SCOPED_TRACE(piece);
        DataLogParser parser;
        for (std::size_t at = 0; at < log.size(); at += piece)
            parser.Feed(std::string_view(log).substr(at, piece));
        parser.Finish();
        ExpectTheLog(parser);
    }
}

TEST(DataLogReader, LongLinesAreShortenedWhenNamed)
{
    DataLogParser parser;
    parser.Feed(std::string(200, 'z') + "\n\x01\xC3\xA9\n0, 1.0, 2.0, 3, 4\n");
    parser.Finish();
    ASSERT_EQ(parser.NamedSkipped().size(), 2u);
    EXPECT_EQ(parser.NamedSkipped()[0].text, std::wstring(60, L'z') + L"...");
    EXPECT_EQ(parser.NamedSkipped()[1].text, L"???");
    EXPECT_EQ(parser.Rows(), 1u);
}

class DataLogFileTest : public testing::Test {
protected:
    void Write(const std::string& bytes)
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    std::string Read() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    const std::filesystem::path m_path = std::filesystem::temp_directory_path() / "kivra_chart_log_test.txt";
};

TEST_F(DataLogFileTest, ReadsWithProgressAndLeavesTheFileAlone)
{
    Write(kLog);
    std::int64_t lastDone = 0;
    std::int64_t lastTotal = 0;
    const DataLogFile file = ReadDataLogFile(m_path.wstring(), [&](std::int64_t done, std::int64_t total) {
        lastDone = done;
        lastTotal = total;
        return true;
    });
    ASSERT_EQ(file.status, DataLogStatus::Read);
    EXPECT_EQ(file.rows, 6u);
    EXPECT_EQ(file.skipped, 6u);
    EXPECT_EQ(file.namedSkipped.size(), kNamedSkippedLines);
    ASSERT_TRUE(file.samples);
    EXPECT_EQ(file.samples->Size(), 7u);
    EXPECT_EQ(lastDone, std::int64_t(sizeof kLog - 1));
    EXPECT_EQ(lastTotal, lastDone);
    EXPECT_EQ(Read(), kLog);
}

TEST_F(DataLogFileTest, AFileWithoutRowsIsRefused)
{
    Write("not a log\r\nat all\r\n");
    const DataLogFile file = ReadDataLogFile(m_path.wstring(), nullptr);
    EXPECT_EQ(file.status, DataLogStatus::NoRows);
    EXPECT_EQ(file.skipped, 2u);
    EXPECT_FALSE(file.samples);
}

TEST_F(DataLogFileTest, StoppedByTheProgress)
{
    Write(kLog);
    EXPECT_EQ(ReadDataLogFile(m_path.wstring(), [](std::int64_t, std::int64_t) { return false; }).status,
              DataLogStatus::Stopped);
}

TEST_F(DataLogFileTest, AMissingFileSaysWhy)
{
    const DataLogFile file = ReadDataLogFile(m_path.wstring(), nullptr);
    EXPECT_EQ(file.status, DataLogStatus::CannotOpen);
    EXPECT_EQ(file.systemError, 2u);  // the file is not found
}

}  // namespace
