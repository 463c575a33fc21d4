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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(L"text '") + c.text + L"'");
        std::int16_t low = -1, high = -1;
        EXPECT_EQ(ParseRange(c.text, low, high), c.ok);
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
    } cases[] = {
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
        const bool rewritten = NormaliseRangeText(text);
        EXPECT_EQ(text, c.after);
        EXPECT_EQ(rewritten, text != c.text);
    }
}

} // namespace
