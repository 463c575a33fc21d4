// Tests of the "low..high" range texts of the condition records.
#include "protocol/RangeText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RangeText, ParsesPairsAndLoneNumbers)
{
    struct Case {
        const wchar_t* text;
        bool ok;
        int low, high;
        PlainNumberKind kind = PlainNumberKind::Unsigned;
    } cases[] = {
        {L"10..20", true, 10, 20},
        {L"5", true, 5, 5},
        {L" +5 ", true, 5, 5},
        {L" 3 .. 7 ", true, 3, 7},
        {L"0..32767", true, 0, 32767},
        {L"10..5", true, 10, 5},  // inverted: left for validation
        {L"-5", false, 0, 0},
        {L"3..-1", false, 0, 0},
        {L"-3..1", false, 0, 0},
        {L"0..32768", false, 0, 0},
        {L"40000", false, 0, 0},
        {L"5..", false, 0, 0},
        {L"..5", false, 0, 0},
        {L"1..2..3", false, 0, 0},
        {L"1...2", false, 0, 0},
        {L"12a", false, 0, 0},
        {L"", false, 0, 0},
        {L"1-2", false, 0, 0},
        // Bounds of a quantity that goes below zero.
        {L"-20..0", true, -20, 0, PlainNumberKind::Signed},
        {L"-5", true, -5, -5, PlainNumberKind::Signed},
        {L" -30 .. -10 ", true, -30, -10, PlainNumberKind::Signed},
        {L"3..-1", true, 3, -1, PlainNumberKind::Signed},  // inverted: left for validation
        {L"-32767..32767", true, -32767, 32767, PlainNumberKind::Signed},
        {L"-32768..0", false, 0, 0, PlainNumberKind::Signed},  // "no value" is never typed
        {L"--5", false, 0, 0, PlainNumberKind::Signed},
        {L"-..5", false, 0, 0, PlainNumberKind::Signed},
        {L"-1.5", false, 0, 0, PlainNumberKind::Signed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(L"text '") + c.text + L"'");
        std::int16_t low = -1, high = -1;
        EXPECT_EQ(ParseRange(c.text, c.kind, low, high), c.ok);
        EXPECT_EQ(low, c.ok ? c.low : -1);
        EXPECT_EQ(high, c.ok ? c.high : -1);
    }
}

TEST(RangeText, FormatsSignedBounds)
{
    EXPECT_EQ(FormatRange(RangeRecord{kRangeInRange, 0, -32767, 32767}), L"-32767..32767");
    EXPECT_EQ(FormatRange(RangeRecord{}), L"0..0");
}

TEST(RangeText, NormalisesOnlyLonePlainNumbers)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* after;
        PlainNumberKind kind = PlainNumberKind::Unsigned;
    } cases[] = {
        {L"-3", L"-3..-3", PlainNumberKind::Signed},
        {L"-3..0", L"-3..0", PlainNumberKind::Signed},
        {L"12", L"12..12"},
        {L" +7 ", L"7..7"},
        {L"0", L"0..0"},
        {L"12..20", L"12..20"},
        {L"-3", L"-3"},
        {L"1x", L"1x"},
        {L"abc", L"abc"},
        {L"", L""},
        {L"99999999999", L"99999999999"},
    };
    for (const auto& c : cases) {
        std::wstring text = c.text;
        const bool rewritten = NormaliseRangeText(text, c.kind);
        EXPECT_EQ(text, c.after);
        EXPECT_EQ(rewritten, text != c.text);
    }
}

} // namespace
