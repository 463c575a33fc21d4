// Tests of the chained log files: time-stamped names, forward and backward links, the clock line.
#include <gtest/gtest.h>

#include <string>

#include "runtime/ProcessClock.h"
#include "runtime/TNotCyclicLogFile.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

const std::string kBegin = "Begin 136 SE=0 ML\r\n";

class NotCyclicLogFileTest : public ::testing::Test {
protected:
    testsupport::TScratchDir dir{"chain"};
    testsupport::TClockScope clock{testsupport::MakeTime(2026, 12, 9, 6, 7, 8)};
    std::wstring base = dir.File("chain.log");
    std::string Read(const std::string& name) { return testsupport::ReadAll(dir.Path(name)); }
};

TEST_F(NotCyclicLogFileTest, FullFileLinksToItsSuccessorBothWays)
{
    TNotCyclicLogFile log;
    ASSERT_TRUE(log.Open(base.c_str(), 1024, 0x700));
    EXPECT_STREQ(log.NamePart(), L"20261209060708");
    std::string expectedFirst = kBegin;
    for (int i = 0; i < 9; ++i) {
        const std::wstring text(98, static_cast<wchar_t>(L'a' + i));
        testsupport::Line(log, 3, nullptr, L"%ls", text.c_str());
        expectedFirst += std::string(98, static_cast<char>('a' + i)) + "\r\n";
    }
    EXPECT_EQ(log.WritePosition(), 919);
    // 919 + 100 passes 1024 - 22: the line opens the next file, in the same second.
    testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(98, L'j').c_str());
    EXPECT_STREQ(log.NamePart(), L"20261209060708000");
    clock.Source().AdvanceMilliseconds(2000);
    for (int i = 0; i < 10; ++i)
        testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(98, L'k').c_str());
    EXPECT_STREQ(log.NamePart(), L"20261209060710");
    log.Open(L"", 0, 0);

    EXPECT_EQ(Read("chain20261209060708.log"), expectedFirst + "...>>20261209060708000");
    const std::string second = Read("chain20261209060708000.log");
    EXPECT_EQ(second.substr(0, 35), "20261209060708<<...\r\n" + std::string(14, 'j'));
    // Link line, the 'j' line and eight 'k' lines; the ninth passes 1002 and starts the third file.
    EXPECT_EQ(second.size(), 21u + 100u + 8u * 100u + 19u);
    EXPECT_EQ(second.substr(second.size() - 119), std::string(98, 'k') + "\r\n...>>20261209060710");
    const std::string kLine = std::string(98, 'k') + "\r\n";
    EXPECT_EQ(Read("chain20261209060710.log"), "20261209060708000<<...\r\n" + kLine + kLine + "End\r\n");
}

TEST_F(NotCyclicLogFileTest, EveryOpenStartsWithTheClockLineAndTimeJumpsRepeatIt)
{
    TNotCyclicLogFile log;
    ASSERT_TRUE(log.Open(base.c_str(), 65536, 0x600));
    testsupport::Line(log, 3, nullptr, L"same time");
    clock.Source().AdvanceMilliseconds(-1000);
    testsupport::Line(log, 3, nullptr, L"went back");
    clock.Source().AdvanceMilliseconds(86400000 + 1);
    testsupport::Line(log, 3, nullptr, L"a day later");
    clock.Source().AdvanceMilliseconds(86400000);
    testsupport::Line(log, 3, nullptr, L"exactly a day");
    log.Open(L"", 0, 0);
    // The settable clock has no counter, so all three clock values are 0.
    EXPECT_EQ(Read("chain20261209060708.log"),
              "0,0,0\r\n2026/12/09 06:07:08.000;Begin 136 SE=0 ML\r\n"
              "2026/12/09 06:07:08.000;same time\r\n"
              "0,0,0\r\n2026/12/09 06:07:07.000;went back\r\n"
              "0,0,0\r\n2026/12/10 06:07:07.001;a day later\r\n"
              "2026/12/11 06:07:07.001;exactly a day\r\n"
              "2026/12/11 06:07:07.001;End\r\n");
}

TEST_F(NotCyclicLogFileTest, NameWithoutExtensionGetsTheStampAtItsEnd)
{
    std::filesystem::create_directories(dir.Path("a.b"));
    const std::wstring bare = dir.File("a.b/trace");
    TNotCyclicLogFile log;
    ASSERT_TRUE(log.Open(bare.c_str(), 4096, 0x700));
    EXPECT_TRUE(std::filesystem::exists(dir.Path("a.b/trace20261209060708")));
}

TEST_F(NotCyclicLogFileTest, ReopeningTheSameBaseKeepsTheFileAndAnotherStartsAChain)
{
    TNotCyclicLogFile log;
    ASSERT_TRUE(log.Open(base.c_str(), 4096, 0x700));
    ASSERT_TRUE(log.Open(dir.File("CHAIN.LOG").c_str(), 8192, 0x700));
    EXPECT_EQ(log.Limit(), 8192u);
    EXPECT_STREQ(log.NamePart(), L"20261209060708");
    clock.Source().AdvanceMilliseconds(1000);
    ASSERT_TRUE(log.Open(dir.File("other.log").c_str(), 4096, 0x700));
    EXPECT_EQ(Read("chain20261209060708.log"), kBegin + "End\r\n");
    EXPECT_EQ(Read("other20261209060709.log"), kBegin);
}

TEST_F(NotCyclicLogFileTest, UncreatableFileLeavesTheLogClosed)
{
    TNotCyclicLogFile log;
    EXPECT_FALSE(log.Open(dir.File("missing/chain.log").c_str(), 4096, 0x700));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_TRUE(log.GetError() == 2 || log.GetError() == 3) << log.GetError();
}

}  // namespace

namespace {

// A clock that moves on by one second at every reading.
class TTickingSource : public TSettableClockSource {
public:
    using TSettableClockSource::TSettableClockSource;
    std::uint64_t SystemTime() override
    {
        const std::uint64_t now = TSettableClockSource::SystemTime();
        AdvanceMilliseconds(1000);
        return now;
    }
};

TEST(NotCyclicLogNamesTest, CounterIsDroppedWhenTheClockMovesOn)
{
    testsupport::TScratchDir dir("chain-names");
    TTickingSource source(FileTimeFromCalendar(testsupport::MakeTime(2026, 12, 9, 6, 7, 8)));
    ProcessClock().UseSource(&source);
    testsupport::WriteAll(dir.Path("chain20261209060708.log"), "taken");
    {
        TNotCyclicLogFile log;
        EXPECT_TRUE(log.Open(dir.File("chain.log").c_str(), 4096, 0x700));
        EXPECT_STREQ(log.NamePart(), L"20261209060709");
    }
    ProcessClock().UseSource(nullptr);
    EXPECT_EQ(testsupport::ReadAll(dir.Path("chain20261209060708.log")), "taken");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("chain20261209060708000.log")));
}

}  // namespace
