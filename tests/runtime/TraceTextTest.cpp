// Tests of the communication trace: the bounded text and the sink's frame and text lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/CTempLogger.h"
#include "tests/runtime/TestSupport.h"

namespace {

TEST(TraceTextTest, HexDumpStopsWithAMarkWhenFull)
{
    struct Case {
        std::uint32_t capacity;
        std::size_t bytes;
        const wchar_t* text;
    };
    const Case cases[] = {
        {16, 3, L"01 A0 FF "},
        {16, 4, L"01 A0 FF 10 "},    // 12 used, 4 free: no room for a fifth byte
        {16, 5, L"01 A0 FF 10 !"},
        {12, 4, L"01 A0 FF !"},      // 9 used, 3 free: "!" and the terminator
        {5, 2, L"01 !"},
        {4, 1, L"!"},
    };
    const unsigned char data[] = {0x01, 0xA0, 0xFF, 0x10, 0x22};
    for (const Case& c : cases) {
        TTraceText text(c.capacity);
        text.AppendHex(data, c.bytes);
        EXPECT_STREQ(text.Text(), c.text) << c.capacity << "/" << c.bytes;
    }
}

TEST(TraceTextTest, FormattedTextIsCutAndLineEndsNeedThreeFreeCharacters)
{
    TTraceText text(8);
    text.AppendLineEnd();
    EXPECT_TRUE(text.IsEmpty());
    text.AppendFormat(L"%ls", L"abcdefghij");
    EXPECT_STREQ(text.Text(), L"abcdefg");
    EXPECT_EQ(text.Count(), 7u);
    text.AppendFormat(L"x");
    text.AppendLineEnd();
    EXPECT_STREQ(text.Text(), L"abcdefg");

    TTraceText room(8);
    room.AppendFormat(L"abcde");
    room.AppendLineEnd();
    EXPECT_STREQ(room.Text(), L"abcde\r\n");
}

TEST(TraceTextTest, TimePrefixFollowsTheMode)
{
    testsupport::TClockScope clock(testsupport::MakeTime(2026, 12, 9, 6, 7, 8, 9));
    struct Case {
        std::uint32_t mode;
        const wchar_t* text;
    };
    const Case cases[] = {{0, L""}, {1, L"06:07:08;"}, {2, L"06:07:08.009;"}, {3, L"06:07:08.009;"}, {4, L""}};
    for (const Case& c : cases) {
        TTraceText text(64);
        text.AppendTimePrefix(c.mode);
        EXPECT_STREQ(text.Text(), c.text) << c.mode;
    }
}

TEST(TempLoggerTest, FramesCollectUntilTaken)
{
    CTempLogger sink;
    std::wstring out = L"untouched";
    EXPECT_FALSE(sink.TakeText(out));
    EXPECT_EQ(out, L"untouched");

    const unsigned char sent[] = {0x01, 0x03, 0x0F};
    const unsigned char got[] = {0x3E, 0x00};
    EXPECT_TRUE(sink.AddFrame(false, 3, sent));
    EXPECT_TRUE(sink.AddFrame(true, 2, got));
    EXPECT_TRUE(sink.AddFrame(true, 0, got));
    EXPECT_TRUE(sink.TakeText(out));
    EXPECT_EQ(out, L"Tx;01 03 0F \r\nRx;3E 00 \r\n");
    EXPECT_FALSE(sink.TakeText(out));

    sink.AddFrame(false, 3, sent);
    sink.Clear();
    EXPECT_FALSE(sink.TakeText(out));
}

TEST(TempLoggerTest, LongFrameEndsWithTheMarkAndNoLineEnd)
{
    CTempLogger sink;
    const std::vector<unsigned char> frame(700, 0xAB);
    sink.AddFrame(true, 700, frame.data());
    std::wstring out;
    ASSERT_TRUE(sink.TakeText(out));
    EXPECT_EQ(out.size(), 2047u);
    EXPECT_EQ(out.substr(0, 9), L"Rx;AB AB ");
    EXPECT_EQ(out.back(), L'!');
    EXPECT_EQ((out.size() - 3 - 1) / 3, 681u);  // bytes dumped
    EXPECT_FALSE(sink.TakeText(out));
    // A full sink keeps its text; later frames are dropped.
    sink.AddFrame(true, 700, frame.data());
    sink.AddFrame(false, 1, frame.data());
    ASSERT_TRUE(sink.TakeText(out));
    EXPECT_EQ(out.find(L"Tx"), std::wstring::npos);
}

TEST(TempLoggerTest, TextLinesGetOneLineEnd)
{
    testsupport::TClockScope clock(testsupport::MakeTime(2026, 12, 9, 6, 7, 8, 9));
    CTempLogger sink;
    sink.AddText(false, "#VER?\r");
    sink.AddText(true, "#VER:1,2\r\n");
    sink.SetMode(1);
    sink.AddText(true, "plain");
    std::wstring out;
    ASSERT_TRUE(sink.TakeText(out));
    EXPECT_EQ(out, L"Tx;#VER?\r\nRx;#VER:1,2\r\n06:07:08;Rx;plain\r\n");
}

}  // namespace
