// Tests of the cyclic log on a full disk, with the host stand-in's file size cap as the disk.
#include <gtest/gtest.h>

#include <string>

#include "runtime/native/NativeFileSpace.h"
#include "runtime/TCyclicLogFile.h"
#include "runtime/TNotCyclicLogFile.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

class DiskFullLogTest : public ::testing::Test {
protected:
    void TearDown() override { NativeSetMaxFileSize(-1); }
    testsupport::TScratchDir dir{"diskfull"};
    testsupport::TClockScope clock{testsupport::MakeTime(2026, 12, 9, 6, 7, 8)};
};

TEST_F(DiskFullLogTest, RingShrinksToWhatTheDiskHoldsAndDropsLinesLongerThanIt)
{
    const std::wstring path = dir.File("full.log");
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(path.c_str(), 4096, 0x700));
    NativeSetMaxFileSize(600);
    for (int i = 0; i < 5; ++i)
        testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(98, static_cast<wchar_t>(L'a' + i)).c_str());
    // Line 6 meets the full disk at 519: the ring becomes 600 bytes and the line goes to the start.
    testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(98, L'f').c_str());
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(log.Limit(), 600u);
    EXPECT_EQ(log.WritePosition(), 100);
    std::string file = testsupport::ReadAll(dir.Path("full.log"));
    ASSERT_EQ(file.size(), 600u);
    EXPECT_EQ(file.substr(0, 101), std::string(98, 'f') + "\r\n" + '\0');
    EXPECT_EQ(file.substr(419, 100), std::string(98, 'e') + "\r\n");
    EXPECT_EQ(file.substr(519), std::string(81, ' '));

    // Longer than the whole ring: dropped where it stands, the file stays open and unchanged.
    testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(700, L'z').c_str());
    EXPECT_TRUE(log.IsOpen());
    EXPECT_EQ(log.WritePosition(), 100);
    EXPECT_EQ(testsupport::ReadAll(dir.Path("full.log")), file);
    testsupport::Line(log, 3, nullptr, L"after");
    file = testsupport::ReadAll(dir.Path("full.log"));
    EXPECT_EQ(file.find('z'), std::string::npos);
    EXPECT_EQ(file.substr(100, 8), std::string("after\r\n") + '\0');
}

}  // namespace

namespace {

TEST_F(DiskFullLogTest, ChainClosesOnAFailedWriteAndDropsLaterLines)
{
    TNotCyclicLogFile log;
    ASSERT_TRUE(log.Open(dir.File("chain.log").c_str(), 4096, 0x700));
    NativeSetMaxFileSize(60);
    testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(28, L'a').c_str());
    EXPECT_TRUE(log.IsOpen());
    testsupport::Line(log, 3, nullptr, L"%ls", std::wstring(28, L'b').c_str());
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.GetError(), errc::kDiskFull);
    NativeSetMaxFileSize(-1);
    testsupport::Line(log, 3, nullptr, L"dropped");
    EXPECT_EQ(testsupport::ReadAll(dir.Path("chain20261209060708.log")),
              "Begin 136 SE=0 ML\r\n" + std::string(28, 'a') + "\r\n" + std::string(11, 'b'));
}

}  // namespace
