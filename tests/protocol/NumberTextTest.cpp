// Tests of the plain-number rule and the lenient number reading of the settings fields.
#include "protocol/NumberScan.h"
#include "protocol/PlainNumber.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct PlainCase {
    const wchar_t* text;
    bool asUnsigned;
    bool asSigned;
    bool asReal;
};

TEST(PlainNumber, AcceptsDigitsWithBlanksAndSignWhereTheKindAllowsIt)
{
    const PlainCase cases[] = {
        {L"5", true, true, true},
        {L"  42  ", true, true, true},
        {L"\t7", true, true, true},
        {L"+12", true, true, true},
        {L"-3", false, true, true},
        {L"", false, false, false},
        {L"   ", false, false, false},
        {L"+", false, false, false},
        {L"-", false, false, false},
        {L"1 2", false, false, false},
        {L"12a", false, false, false},
        {L"a12", false, false, false},
        {L"++1", false, false, false},
        {L"1.5", false, false, true},
        {L".5", false, false, true},
        {L"1.", false, false, true},
        {L"1.2.3", false, false, false},
        {L".", false, false, false},
        {L"1..2", false, false, false},
        {L"1,5", false, false, false},
    };
    for (const PlainCase& c : cases) {
        SCOPED_TRACE(std::wstring(L"text '") + c.text + L"'");
        EXPECT_EQ(IsPlainNumber(c.text, PlainNumberKind::Unsigned), c.asUnsigned);
        EXPECT_EQ(IsPlainNumber(c.text, PlainNumberKind::Signed), c.asSigned);
        EXPECT_EQ(IsPlainNumber(c.text, PlainNumberKind::Real), c.asReal);
    }
}

TEST(PlainNumber, DecimalSeparatorFollowsTheCLocale)
{
    EXPECT_EQ(LocaleDecimalSeparator(), L'.');
}

struct ScanCase {
    const wchar_t* text;
    std::int64_t min;
    std::int64_t max;
    bool ok;
    std::int64_t value;
};

TEST(NumberScan, ReadsLikeScanfButRefusesValuesOutsideTheField)
{
    const ScanCase cases[] = {
        {L"12", 0, 255, true, 12},
        {L"  +12", 0, 255, true, 12},
        {L"12abc", 0, 255, true, 12},  // scanf stops at the first non-digit
        {L"255", 0, 255, true, 255},
        {L"256", 0, 255, false, 0},
        {L"-1", 0, 255, false, 0},
        {L"-0", 0, 255, true, 0},
        {L"-7", -10, 10, true, -7},
        {L"", 0, 255, false, 0},
        {L"abc", 0, 255, false, 0},
        {L"- 5", -10, 10, false, 0},
        {L"65536", 0, 65535, false, 0},
        {L"99999999999999999999999", 0, 4294967295, false, 0},
        {L"4294967297", 0, 4294967295, false, 0},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(std::wstring(L"text '") + c.text + L"'");
        std::int64_t value = -99;
        EXPECT_EQ(ScanInteger(c.text, c.min, c.max, value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -99);
    }
}

TEST(NumberScan, UnsignedRefusesNegativeValues)
{
    std::uint32_t value = 7;
    EXPECT_FALSE(ScanUnsigned(L"-1", 4294967295u, value));
    EXPECT_EQ(value, 7u);
    EXPECT_TRUE(ScanUnsigned(L"4294967295", 4294967295u, value));
    EXPECT_EQ(value, 4294967295u);
}

TEST(NumberScan, VectorNeedsExactlyThreeCommaSeparatedNumbers)
{
    struct Case {
        const wchar_t* text;
        bool ok;
        float x, y, z;
    } cases[] = {
        {L"1.5,-2,3", true, 1.5f, -2.0f, 3.0f},
        {L"0.250000, -1.500000, 7.750000", true, 0.25f, -1.5f, 7.75f},
        {L"1,2,3 and more", true, 1, 2, 3},
        {L"1,2", false, 0, 0, 0},
        {L"1 ,2,3", false, 0, 0, 0},
        {L"1 2 3", false, 0, 0, 0},
        {L"1;2;3", false, 0, 0, 0},
        {L"", false, 0, 0, 0},
        {L"x,2,3", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(L"text '") + c.text + L"'");
        float v[3] = {9, 9, 9};
        EXPECT_EQ(ScanVector(c.text, v), c.ok);
        if (c.ok) {
            EXPECT_FLOAT_EQ(v[0], c.x);
            EXPECT_FLOAT_EQ(v[1], c.y);
            EXPECT_FLOAT_EQ(v[2], c.z);
        } else {
            EXPECT_EQ(v[0], 9.0f);  // a failed read leaves the vector alone
        }
    }
}

TEST(NumberScan, FormattedVectorReadsBack)
{
    const float v[3] = {-8.0f, 0.5f, 3.125f};
    EXPECT_EQ(FormatVector(v), L"-8.000000, 0.500000, 3.125000");
    float back[3];
    ASSERT_TRUE(ScanVector(FormatVector(v), back));
    EXPECT_EQ(back[0], v[0]);
    EXPECT_EQ(back[1], v[1]);
    EXPECT_EQ(back[2], v[2]);
}

TEST(NumberScan, HugeComponentsAreFormattedInFull)
{
    const float v[3] = {3.0e38f, -3.0e38f, 1.0f};
    const std::wstring text = FormatVector(v);
    EXPECT_GT(text.size(), 80u);
    EXPECT_EQ(text.substr(text.size() - 10), L", 1.000000");
    float back[3];
    ASSERT_TRUE(ScanVector(text, back));
    EXPECT_EQ(back[1], v[1]);
}

} // namespace
