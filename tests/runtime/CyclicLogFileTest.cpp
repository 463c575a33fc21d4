// Tests of the cyclic log file: the ring with its zero marker, reopening, fit to limit and locked paths.
#include <gtest/gtest.h>

#include <string>

#include "runtime/OsFile.h"
#include "runtime/TCyclicLogFile.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

constexpr std::uint32_t kBare = 0x700;  // lines are the message and CR LF only
const std::string kBegin = "Begin 136 SE=0 ML\r\n";

// A message that makes a bare line of exactly size bytes.
std::wstring MessageOfLine(std::size_t size, wchar_t fill) { return std::wstring(size - 2, fill); }

// Bytes whose value tells their offset, so moved ranges can be recognised.
std::string Pattern(std::size_t size)
{
    std::string bytes(size, ' ');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('A' + (i * 7 + i / 26) % 26);
    return bytes;
}

class CyclicLogFileTest : public ::testing::Test {
protected:
    testsupport::TScratchDir dir{"cyclic"};
    testsupport::TClockScope clock{testsupport::MakeTime(2026, 12, 9, 6, 7, 8)};
    std::wstring path = dir.File("ring.log");
    std::string File() { return testsupport::ReadAll(std::filesystem::path(path)); }
};

TEST_F(CyclicLogFileTest, EleventhLineWrapsToTheStartAfterBlankingTheTail)
{
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(path.c_str(), 1024, kBare));
    for (int i = 0; i < 10; ++i)
        testsupport::Line(log, 3, nullptr, L"%ls", MessageOfLine(100, static_cast<wchar_t>(L'a' + i)).c_str());
    EXPECT_EQ(log.WritePosition(), 19 + 1000);
    testsupport::Line(log, 3, nullptr, L"%ls", MessageOfLine(100, L'k').c_str());
    EXPECT_EQ(log.WritePosition(), 100);

    const std::string file = File();
    ASSERT_EQ(file.size(), 1020u);
    EXPECT_EQ(file.substr(0, 100), std::string(98, 'k') + "\r\n");
    EXPECT_EQ(file[100], '\0');
    EXPECT_EQ(file.substr(119, 100), std::string(98, 'b') + "\r\n");  // oldest whole line kept
    EXPECT_EQ(file.substr(919, 100), std::string(98, 'j') + "\r\n");
    EXPECT_EQ(file[1019], ' ');  // the old marker, blanked
}

TEST_F(CyclicLogFileTest, MarkerThatWouldPassTheLimitGoesToTheStart)
{
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(path.c_str(), 1024, kBare));
    testsupport::Line(log, 3, nullptr, L"%ls", MessageOfLine(1024 - 19, L'x').c_str());
    EXPECT_EQ(log.WritePosition(), 0);
    const std::string file = File();
    ASSERT_EQ(file.size(), 1024u);
    EXPECT_EQ(file[0], '\0');
    EXPECT_EQ(file.substr(1022), "\r\n");
}

TEST_F(CyclicLogFileTest, ReopenContinuesAtTheMarkerOrAtTheEnd)
{
    struct Case {
        const char* what;
        std::string content;
        std::int64_t position;
    };
    std::string marked(8000, 'a');
    marked[5000] = '\0';
    const Case cases[] = {
        {"marker at 5000", marked, 5000},
        {"no marker", std::string(3000, 'b'), 3000},
        {"empty", std::string(), 0},
    };
    for (const Case& c : cases) {
        testsupport::WriteAll(dir.Path("ring.log"), c.content);
        TCyclicLogFile log;
        ASSERT_TRUE(log.Open(path.c_str(), 10240, kBare)) << c.what;
        EXPECT_EQ(log.WritePosition(), c.position + 19) << c.what;
        const std::string file = File();
        EXPECT_EQ(file.substr(static_cast<std::size_t>(c.position), 20), kBegin + '\0') << c.what;
        EXPECT_EQ(file.size(), std::max<std::size_t>(c.content.size(), static_cast<std::size_t>(c.position) + 20)) << c.what;
    }
}

TEST_F(CyclicLogFileTest, WrappedRingKeepsItsNewestLinesWhenReopened)
{
    {
        TCyclicLogFile log;
        ASSERT_TRUE(log.Open(path.c_str(), 2048, kBare));
        for (int i = 1; i <= 60; ++i)
            testsupport::Line(log, 3, nullptr, L"line %03d ..........", i);
    }
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(path.c_str(), 2048, kBare));
    testsupport::Line(log, 3, nullptr, L"after reopen");
    const std::string text = testsupport::RingText(File());
    const std::string tail = "line 059 ..........\r\nline 060 ..........\r\nEnd\r\n" + kBegin + "after reopen\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_LE(File().size(), 2048u);
}

TEST_F(CyclicLogFileTest, FileLargerThanTheLimitIsCutKeepingTheNewestData)
{
    const std::string original = Pattern(2048);
    struct Case {
        const char* what;
        std::int64_t marker;    // -1: none
        std::int64_t position;  // write position once cut, before the begin line
        std::size_t keptAt;     // a range of the cut file ...
        std::size_t keptFrom;   // ... that holds the original bytes from here
        std::size_t keptSize;
    };
    const Case cases[] = {
        // (The begin line and its marker take the first 20 bytes at the write position.)
        // Marker at 0: the last 1024 bytes move to the front; the begin line then overwrites the oldest.
        {"marker at 0", 0, 0, 20, 1024 + 20, 1024 - 20},
        // Marker inside the limit: the front stays, the end of the file fills the rest.
        {"marker at 300", 300, 300, 320, 2048 - 723 + 19, 723 - 19},
        // Marker beyond the limit: the 1024 bytes ending with the marker move to the front.
        {"marker at 1500", 1500, 1023, 20, 477 + 20, 1023 - 20},
        // No marker: as if it were just past the end.
        {"no marker", -1, 1023, 20, 1025 + 20, 1023 - 20},
    };
    for (const Case& c : cases) {
        std::string content = original;
        if (c.marker >= 0)
            content[static_cast<std::size_t>(c.marker)] = '\0';
        testsupport::WriteAll(dir.Path("ring.log"), content);
        TCyclicLogFile log;
        ASSERT_TRUE(log.Open(path.c_str(), 1024, kBare)) << c.what;
        const std::string file = File();
        ASSERT_EQ(file.size(), 1024u) << c.what;
        const std::size_t beginAt = c.position + 19 > 1024 ? 0 : static_cast<std::size_t>(c.position);
        EXPECT_EQ(file.substr(beginAt, 20), kBegin + '\0') << c.what;
        EXPECT_EQ(file.substr(c.keptAt, c.keptSize), content.substr(c.keptFrom, c.keptSize)) << c.what;
        if (c.marker == 300) {
            EXPECT_EQ(file.substr(0, 300), content.substr(0, 300)) << c.what;
        }
    }
}

TEST_F(CyclicLogFileTest, ReopeningTheSamePathWithASmallerLimitCutsTheFile)
{
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(path.c_str(), 4096, kBare));
    for (int i = 0; i < 30; ++i)
        testsupport::Line(log, 3, nullptr, L"%ls", MessageOfLine(100, static_cast<wchar_t>(L'A' + i % 26)).c_str());
    EXPECT_EQ(File().size(), 19u + 3000u + 1u);
    ASSERT_TRUE(log.Open(dir.File("RING.LOG").c_str(), 2048, kBare));  // same path, other case
    EXPECT_EQ(File().size(), 2048u);
    testsupport::Line(log, 3, nullptr, L"newest");
    const std::string text = testsupport::RingText(File());
    const std::string tail = std::string(98, 'D') + "\r\nnewest\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(text.find("End"), std::string::npos);  // the same file: no end line
}

TEST_F(CyclicLogFileTest, LockedPathMovesToNumberedNames)
{
    const THandle lock = OsCreateFile(path.c_str(), osfile::kGenericRead | osfile::kGenericWrite, 0,
                                      osfile::kOpenAlways, osfile::kAttributeNormal);
    ASSERT_NE(lock, InvalidHandleValue());
    const std::wstring first = dir.File("ring000.log");
    const THandle lock000 = OsCreateFile(first.c_str(), osfile::kGenericRead | osfile::kGenericWrite, 0,
                                         osfile::kOpenAlways, osfile::kAttributeNormal);
    ASSERT_NE(lock000, InvalidHandleValue());
    {
        TCyclicLogFile log;
        ASSERT_TRUE(log.Open(path.c_str(), 4096, kBare));
        EXPECT_EQ(std::wstring(log.Path()), dir.File("ring001.log"));
        testsupport::Line(log, 3, nullptr, L"moved");
    }
    EXPECT_EQ(testsupport::ReadAll(dir.Path("ring001.log")), kBegin + "moved\r\nEnd\r\n" + '\0');
    OsCloseHandle(lock000);
    OsCloseHandle(lock);
    EXPECT_EQ(testsupport::ReadAll(dir.Path("ring.log")), "");
}

TEST_F(CyclicLogFileTest, NumberGoesBeforeTheExtensionOfTheFileNameOnly)
{
    std::filesystem::create_directories(dir.Path("logs.d"));
    const std::wstring bare = dir.File("logs.d/ring");
    const THandle lock = OsCreateFile(bare.c_str(), osfile::kGenericRead, 0, osfile::kOpenAlways, 0);
    ASSERT_NE(lock, InvalidHandleValue());
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(bare.c_str(), 4096, kBare));
    EXPECT_EQ(std::wstring(log.Path()), dir.File("logs.d/ring000"));
    OsCloseHandle(lock);
}

TEST_F(CyclicLogFileTest, SwitchingFilesEndsTheOldOne)
{
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(path.c_str(), 4096, kBare));
    testsupport::Line(log, 3, nullptr, L"first");
    const std::wstring other = dir.File("other.log");
    ASSERT_TRUE(log.Open(other.c_str(), 4096, kBare));
    ASSERT_TRUE(log.Open(nullptr, 0, 0));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(File(), kBegin + "first\r\nEnd\r\n" + '\0');
    EXPECT_EQ(testsupport::ReadAll(dir.Path("other.log")), kBegin + "End\r\n" + '\0');
}

TEST_F(CyclicLogFileTest, UnopenablePathFailsAndKeepsTheCause)
{
    TCyclicLogFile log;
    EXPECT_FALSE(log.Open(dir.File("missing/ring.log").c_str(), 4096, kBare));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_TRUE(log.GetError() == 2 || log.GetError() == 3) << log.GetError();
    testsupport::Line(log, 1, nullptr, L"dropped");
    EXPECT_TRUE(log.Open(path.c_str(), 4096, kBare));
}

}  // namespace
