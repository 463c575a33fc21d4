// Tests of the receive buffer: byte bookkeeping, line access, the field tokenizer and field values.
#include "runtime/RxBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Receive(CRxBuffer& buffer, const std::string& bytes)
{
    std::memcpy(buffer.Data() + buffer.Length(), bytes.data(), std::min<size_t>(bytes.size(), buffer.FreeSpace()));
    buffer.Commit(static_cast<uint32_t>(bytes.size()));
}

std::string Contents(const CRxBuffer& buffer)
{
    return std::string(reinterpret_cast<const char*>(buffer.Data()), buffer.Length());
}

const CKeywordEntry kVersion{"#VER:", ",", 4, 16, true};
const CKeywordEntry kError{"#ERR:", ",", 1, 16, true};
const CKeywordEntry kOpen{"#OPEN", "", 0, 0, true};

} // namespace

TEST(ASCIIBufferBytes, CommitAccountsOnlyTheFreeSpaceAndKeepsTheDataTerminated)
{
    CRxBuffer buffer;
    EXPECT_EQ(buffer.Capacity(), 2048u);
    Receive(buffer, std::string(2000, 'a'));
    EXPECT_EQ(buffer.Length(), 2000u);
    buffer.Commit(100);
    EXPECT_EQ(buffer.Length(), 2048u);
    EXPECT_EQ(buffer.FreeSpace(), 0u);
    EXPECT_EQ(buffer.Data()[2048], 0);
    buffer.Commit(1);
    EXPECT_EQ(buffer.Length(), 2048u);

    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.ReadPosition(), 0u);
    EXPECT_EQ(buffer.Data()[0], 0);
}

TEST(ASCIIBufferBytes, CompactDropsTheReadBytes)
{
    CRxBuffer buffer;
    Receive(buffer, "abc\r\ndef");
    ASSERT_EQ(buffer.SkipLine(), 1);
    buffer.Compact();
    EXPECT_EQ(Contents(buffer), "def");
    EXPECT_EQ(buffer.ReadPosition(), 0u);
    EXPECT_EQ(buffer.Data()[3], 0);

    ASSERT_EQ(buffer.SkipLine(buffer.Data() + 3), 1);
    buffer.Compact();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.Data()[0], 0);
}

TEST(ASCIIBufferBytes, CompactKeepsTheBytesThatATokenizerTerminatorReplaced)
{
    CRxBuffer buffer;
    Receive(buffer, "#OK\r\n#VER:1,2\r\n");
    ASSERT_EQ(buffer.SkipLine(), 1);
    int status = 0;
    buffer.GetLine(status, false); // the current line's CR is replaced while it is current
    ASSERT_EQ(status, CASCIIBuffer::LineComplete);
    buffer.Compact();
    EXPECT_EQ(Contents(buffer), "#VER:1,2\r\n");
    buffer.RestoreTerminators(); // must not write an old byte back into the moved data
    EXPECT_EQ(Contents(buffer), "#VER:1,2\r\n");

    Receive(buffer, "#DEVID:7\r\n");
    const CKeywordEntry version{"#VER:", ",", 2, 16, true};
    ASSERT_EQ(buffer.MatchRecord(version), 1);
    ASSERT_EQ(buffer.SkipLine(), 1);
    const CKeywordEntry id{"#DEVID:", ",", 1, 16, true};
    ASSERT_EQ(buffer.MatchRecord(id), 1);
    buffer.Compact();
    EXPECT_EQ(Contents(buffer), "#DEVID:7\r\n");
    EXPECT_EQ(buffer.FieldCount(), 0u); // field offsets would point into moved data
}

TEST(ASCIIBufferBytes, PointsOutsideTheUnreadRegionAreRefused)
{
    CRxBuffer buffer;
    Receive(buffer, "ab\r\ncd#CLOSED");
    ASSERT_EQ(buffer.SkipLine(), 1);
    const uint8_t* data = buffer.Data();

    EXPECT_EQ(buffer.SkipLine(data + 1), -1);  // before the read position
    EXPECT_EQ(buffer.SkipLine(data + 14), -1); // past the length
    EXPECT_EQ(buffer.TruncateAt(data + 1), -1);
    EXPECT_EQ(buffer.TruncateAt(data + 14), -1);
    EXPECT_EQ(buffer.ReadPosition(), 4u);
    EXPECT_EQ(buffer.Length(), 13u);

    EXPECT_EQ(buffer.TruncateAt(data + 6), 1);
    EXPECT_EQ(Contents(buffer), "ab\r\ncd");
    EXPECT_EQ(buffer.Data()[6], 0);
    EXPECT_EQ(buffer.TruncateAt(data + 4), 1); // the read position itself is a valid point
    EXPECT_EQ(buffer.Length(), 4u);
    EXPECT_EQ(buffer.SkipLine(data + 4), 1);
}

TEST(ASCIIBufferLines, GetLineReportsNonePartialAndCompleteLines)
{
    CRxBuffer buffer;
    int status = -1;
    buffer.GetLine(status, true);
    EXPECT_EQ(status, CASCIIBuffer::LineNone);

    Receive(buffer, "  \t");
    buffer.GetLine(status, true);
    EXPECT_EQ(status, CASCIIBuffer::LineNone); // only blanks, all skipped
    buffer.GetLine(status, false);
    EXPECT_EQ(status, CASCIIBuffer::LinePartial);

    Receive(buffer, "#OK\r\n");
    const char* line = buffer.GetLine(status, true);
    EXPECT_EQ(status, CASCIIBuffer::LineComplete);
    EXPECT_STREQ(line, "#OK");
    line = buffer.GetLine(status, false);
    EXPECT_STREQ(line, "  \t#OK");
}

TEST(ASCIIBufferLines, SkipLinePassesAllLineEndsOrWaitsForOne)
{
    CRxBuffer buffer;
    Receive(buffer, "#OK\r\n\r\n#VER:1");
    int status = 0;
    buffer.GetLine(status, false);
    ASSERT_EQ(buffer.SkipLine(), 1);
    EXPECT_EQ(buffer.ReadPosition(), 7u);
    EXPECT_EQ(Contents(buffer), "#OK\r\n\r\n#VER:1"); // the terminator of GetLine is put back

    EXPECT_EQ(buffer.SkipLine(), 0);
    EXPECT_EQ(buffer.ReadPosition(), 7u);
}

TEST(ASCIIBufferLines, AppendReceivedNeedsALineEndUnlessPartialDataIsOn)
{
    CRxBuffer buffer;
    EXPECT_FALSE(buffer.IsPartialData());
    std::memcpy(buffer.Data(), "\x42\x00", 2);
    EXPECT_FALSE(buffer.AppendReceived(2));
    buffer.SetPartialData(true);
    EXPECT_TRUE(buffer.AppendReceived(0));
    buffer.SetPartialData(false);
    std::memcpy(buffer.Data() + 2, "#OK\r", 4);
    EXPECT_TRUE(buffer.AppendReceived(4));
    buffer.Clear();
    buffer.SetPartialData(true);
    EXPECT_FALSE(buffer.AppendReceived(0)); // nothing at all is never data
}

TEST(ASCIIBufferMatch, AnIncompleteLineMatchesOnlyOnceItsLineEndArrives)
{
    CRxBuffer buffer;
    Receive(buffer, "#VER:1,2,3,4");
    EXPECT_EQ(buffer.MatchRecord(kVersion), 0);
    EXPECT_EQ(Contents(buffer), "#VER:1,2,3,4");
    EXPECT_EQ(buffer.FieldCount(), 0u);

    Receive(buffer, "\r");
    EXPECT_EQ(buffer.MatchRecord(kVersion), 1);
    EXPECT_EQ(buffer.FieldCount(), 4u);
    EXPECT_STREQ(buffer.FieldText(3), "4");
}

TEST(ASCIIBufferMatch, TheMaximumBoundsTheFieldsAndTheLastTakesTheRest)
{
    struct Case {
        uint32_t maxFields;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {16, {"1", "2", "3", "4", "5"}},
        {3, {"1", "2", "3,4,5"}},
        {1, {"1,2,3,4,5"}},
    };
    for (const Case& c : cases) {
        CRxBuffer buffer;
        Receive(buffer, "#VER:1,2,3,4,5\r\n");
        const CKeywordEntry entry{"#VER:", ",", 1, c.maxFields, true};
        ASSERT_EQ(buffer.MatchRecord(entry), 1) << c.maxFields;
        ASSERT_EQ(buffer.FieldCount(), c.fields.size()) << c.maxFields;
        for (size_t k = 0; k < c.fields.size(); ++k)
            EXPECT_EQ(buffer.FieldText(static_cast<uint32_t>(k)), c.fields[k]) << c.maxFields << " field " << k;
        EXPECT_STREQ(buffer.FieldText(static_cast<uint32_t>(c.fields.size())), "");
        EXPECT_EQ(buffer.RecordPosition(), 0u);
    }
}

TEST(ASCIIBufferMatch, FieldsAreTrimmedAndTheDataIsRestoredAfterwards)
{
    CRxBuffer buffer;
    Receive(buffer, " #ERR: 5 , x\r\n");
    ASSERT_EQ(buffer.MatchRecord(kError), 1);
    EXPECT_STREQ(buffer.FieldText(0), "5");
    EXPECT_STREQ(buffer.FieldText(1), "x");
    EXPECT_EQ(buffer.FieldInt(0), 5);
    EXPECT_EQ(buffer.RecordPosition(), 1u);
    EXPECT_NE(Contents(buffer), " #ERR: 5 , x\r\n");

    buffer.RestoreTerminators();
    EXPECT_EQ(Contents(buffer), " #ERR: 5 , x\r\n");
    EXPECT_EQ(buffer.FieldCount(), 0u);
    EXPECT_EQ(buffer.RecordPosition(), buffer.Length());
}

TEST(ASCIIBufferMatch, TooFewFieldsOrAnotherKeywordIsNoMatchAndChangesNothing)
{
    CRxBuffer buffer;
    Receive(buffer, "#VER:1,2,3\r\n");
    EXPECT_EQ(buffer.MatchRecord(kVersion), 0);
    EXPECT_EQ(Contents(buffer), "#VER:1,2,3\r\n");
    EXPECT_EQ(buffer.FieldCount(), 0u);
    EXPECT_EQ(buffer.MatchRecord(kError), 0);
    EXPECT_EQ(Contents(buffer), "#VER:1,2,3\r\n");
}

TEST(ASCIIBufferMatch, AnEntryWithoutSeparatorsOrFieldsMatchesItsKeyword)
{
    CRxBuffer buffer;
    Receive(buffer, "#OPEN anything, here\r\n\x42\x01");
    EXPECT_EQ(buffer.MatchRecord(kOpen), 1);
    EXPECT_EQ(buffer.FieldCount(), 0u);
    EXPECT_EQ(buffer.SkipLine(), 1);
    EXPECT_EQ(buffer.ReadPosition(), 22u);
}

TEST(ASCIIBufferMatch, WithoutTheLineFlagTheRecordIsAllTheDataAndNeedsEveryField)
{
    CRxBuffer buffer;
    Receive(buffer, "@A 1; 2\r\n3 ");
    const CKeywordEntry two{"@A", ";", 2, 2, false};
    ASSERT_EQ(buffer.MatchRecord(two), 1);
    EXPECT_STREQ(buffer.FieldText(0), "1");
    EXPECT_STREQ(buffer.FieldText(1), " 2\r\n3 "); // the last field runs untrimmed to the end
    const CKeywordEntry three{"@A", ";", 2, 3, false};
    EXPECT_EQ(buffer.MatchRecord(three), 0);
}

TEST(ASCIIBufferMatch, SeparatorsAreTakenInTurnThenTheLastRepeats)
{
    CRxBuffer buffer;
    Receive(buffer, "#T:a=b,c,d\r");
    const CKeywordEntry entry{"#T:", "=,", 1, 16, true};
    ASSERT_EQ(buffer.MatchRecord(entry), 1);
    ASSERT_EQ(buffer.FieldCount(), 4u);
    EXPECT_STREQ(buffer.FieldText(0), "a");
    EXPECT_STREQ(buffer.FieldText(1), "b");
    EXPECT_STREQ(buffer.FieldText(3), "d");
}

TEST(ASCIIBufferMatch, StartAndStopPointsLimitTheRecord)
{
    CRxBuffer buffer;
    Receive(buffer, "xx#DEVID:42,7\r\n");
    const CKeywordEntry entry{"#DEVID:", ",", 1, 16, true};
    EXPECT_EQ(buffer.MatchRecord(entry), 0);
    const uint8_t* data = buffer.Data();
    ASSERT_EQ(buffer.MatchRecord(entry, data + 2, data + 11), 1);
    ASSERT_EQ(buffer.FieldCount(), 1u);
    EXPECT_STREQ(buffer.FieldText(0), "42");
}

TEST(ASCIIBufferMatch, InvalidEntriesAndPointsAreRefused)
{
    struct Case {
        const char* name;
        CKeywordEntry entry;
    };
    const Case cases[] = {
        {"no keyword", {nullptr, ",", 0, 16, true}},
        {"no separators", {"#OK", nullptr, 0, 16, true}},
        {"minimum above the limit", {"#OK", ",", 49, 49, true}},
        {"maximum above the limit without the line flag", {"#OK", ",", 0, 49, false}},
        {"maximum below minimum", {"#OK", ",", 3, 2, true}},
        {"several fields without separators", {"#OK", "", 0, 2, true}},
    };
    for (const Case& c : cases) {
        CRxBuffer buffer;
        Receive(buffer, "#OK\r\n");
        EXPECT_EQ(buffer.MatchRecord(c.entry), -1) << c.name;
        EXPECT_EQ(Contents(buffer), "#OK\r\n") << c.name;
    }

    CRxBuffer buffer;
    Receive(buffer, "ab\r\n#OK,1\r\n");
    ASSERT_EQ(buffer.SkipLine(), 1);
    const CKeywordEntry ok{"#OK", ",", 0, 16, true};
    const uint8_t* data = buffer.Data();
    EXPECT_EQ(buffer.MatchRecord(ok, data + 1), -1);            // start before the read position
    EXPECT_EQ(buffer.MatchRecord(ok, nullptr, data + 100), -1); // stop past the data
    EXPECT_EQ(buffer.MatchRecord(ok, data + 9), -1);            // start past the line end
    EXPECT_EQ(buffer.MatchRecord(ok, nullptr, data + 4), -1);   // stop at the record start
    const CKeywordEntry wide{"#OK", ",", 0, 100, true};         // the line flag lifts the maximum
    EXPECT_EQ(buffer.MatchRecord(wide), 1);
    EXPECT_STREQ(buffer.FieldText(1), "1");
}

TEST(ASCIIBufferFields, NumbersAreReadAfterLeadingNoise)
{
    struct Case {
        const char* line;
        int32_t decimal;
        uint32_t hex;
    };
    const Case cases[] = {
        {"#V:x-12y\r", -12, 0x12},
        {"#V:1A\r", 1, 26},
        {"#V:ff\r", 0, 255},
        {"#V:0x1A\r", 0, 26},
        {"#V:-\r", 0, 0},
        {"#V:99999999999\r", INT32_MAX, UINT32_MAX},
        {"#V:-99999999999\r", INT32_MIN, UINT32_MAX},
    };
    for (const Case& c : cases) {
        CRxBuffer buffer;
        Receive(buffer, c.line);
        const CKeywordEntry entry{"#V:", ",", 1, 16, true};
        ASSERT_EQ(buffer.MatchRecord(entry), 1) << c.line;
        EXPECT_EQ(buffer.FieldInt(0), c.decimal) << c.line;
        EXPECT_EQ(buffer.FieldHex(0), c.hex) << c.line;
        EXPECT_EQ(buffer.FieldInt(1), 0) << c.line;
        EXPECT_EQ(buffer.FieldHex(1), 0u) << c.line;
    }
}
