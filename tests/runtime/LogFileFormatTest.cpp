// Tests of the diagnostic log line format: stamp, level name, prefix, message, CR LF and the flags.
#include <gtest/gtest.h>

#include <string>

#include "runtime/TCyclicLogFile.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

using testsupport::MakeTime;

class LogFileFormatTest : public ::testing::Test {
protected:
    testsupport::TScratchDir dir{"format"};
    testsupport::TClockScope clock{MakeTime(2026, 12, 9, 6, 7, 8, 9)};
    TCyclicLogFile log;

    std::string Text() { return testsupport::RingText(testsupport::ReadAll(dir.Path("diag.log"))); }
};

TEST_F(LogFileFormatTest, FlagsLeaveOutTheirParts)
{
    struct Case {
        std::uint32_t flags;
        int index;
        const wchar_t* prefix;
        const char* line;
    };
    const Case cases[] = {
        {0x000, 3, L"COM3", "2026/12/09 06:07:08.009;TRACE;COM3;Create OK\r\n"},
        {0x100, 3, L"COM3", "TRACE;COM3;Create OK\r\n"},
        {0x200, 3, L"COM3", "2026/12/09 06:07:08.009;COM3;Create OK\r\n"},
        {0x400, 3, L"COM3", "2026/12/09 06:07:08.009;TRACE;Create OK\r\n"},
        {0x700, 3, L"COM3", "Create OK\r\n"},
        {0x001, 1, L"COM3", "2026/12/09 06:07:08.009;ERROR;COM3;Create OK\r\n"},
        {0x100, 2, nullptr, "DEBUG;;Create OK\r\n"},
        {0x100, 0, L"", ";;Create OK\r\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(log.Open(dir.File("diag.log").c_str(), 65536, c.flags));
        testsupport::Line(log, c.index, c.prefix, L"Create %ls", L"OK");
        log.Open(L"", 0, 0);
        const std::string begin = (c.flags & 0x100 ? std::string() : std::string("2026/12/09 06:07:08.009;")) +
                                  "Begin 136 SE=0 ML\r\n";
        const std::string end = (c.flags & 0x100 ? std::string() : std::string("2026/12/09 06:07:08.009;")) + "End\r\n";
        EXPECT_EQ(Text(), begin + c.line + end) << "flags " << c.flags;
        std::filesystem::remove(dir.Path("diag.log"));
    }
}

TEST_F(LogFileFormatTest, LineIsCutTo1024BytesWithItsLineEnd)
{
    ASSERT_TRUE(log.Open(dir.File("diag.log").c_str(), 65536, 0));
    const std::wstring longText(3000, L'x');
    testsupport::Line(log, 3, L"P", L"%ls", longText.c_str());
    const std::string text = Text();
    const std::size_t start = text.find("\r\n") + 2;
    const std::size_t end = text.find("\r\n", start) + 2;
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.size(), 1024u);
    EXPECT_EQ(line.substr(0, 32), "2026/12/09 06:07:08.009;TRACE;P;");
    EXPECT_EQ(line.find_first_not_of('x', 32), 1022u);
}

TEST_F(LogFileFormatTest, StampFollowsTheLocalClock)
{
    clock.Source().SetLocalOffset(3LL * 3600 * 10000000);
    ASSERT_TRUE(log.Open(dir.File("diag.log").c_str(), 65536, 0x200 | 0x400));
    testsupport::Line(log, 3, nullptr, L"a");
    clock.Source().AdvanceMilliseconds(1);
    testsupport::Line(log, 3, nullptr, L"b");
    clock.Source().AdvanceMilliseconds(86400000);
    testsupport::Line(log, 3, nullptr, L"c");
    EXPECT_EQ(Text(),
              "2026/12/09 09:07:08.009;Begin 136 SE=0 ML\r\n"
              "2026/12/09 09:07:08.009;a\r\n"
              "2026/12/09 09:07:08.010;b\r\n"
              "2026/12/10 09:07:08.010;c\r\n");
}

TEST_F(LogFileFormatTest, NothingIsWrittenWhileOff)
{
    testsupport::Line(log, 1, L"P", L"lost");
    ASSERT_TRUE(log.Open(L"", 0, 0));
    testsupport::Line(log, 1, L"P", L"lost");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("diag.log")));
}

}  // namespace
