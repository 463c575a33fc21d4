// Tests of the runtime string: growing and fixed storage, a missing string-table entry
// and the texts of error codes.
#include <gtest/gtest.h>

#include <string>

#include "runtime/ResourceText.h"
#include "runtime/TString.h"
#include "runtime/WideFormat.h"

namespace {

TEST(TStringTest, StorageKindsAndCutting)
{
    TString grows(L"COM3");
    EXPECT_STREQ(grows.Get(), L"COM3");
    EXPECT_TRUE(grows.Assign(L"a much longer text than before"));
    EXPECT_STREQ(grows.Get(), L"a much longer text than before");

    TString fixed(nullptr, 8);
    EXPECT_STREQ(fixed.Get(), L"");
    EXPECT_TRUE(fixed.Assign(L"twenty characters!!!"));
    EXPECT_STREQ(fixed.Get(), L"twenty ");
    EXPECT_EQ(fixed.Length(), 7u);

    wchar_t external[5] = L"xxxx";
    TString outside(L"abcdefgh", 5, external);
    EXPECT_STREQ(external, L"abcd");
    EXPECT_EQ(outside.Get(), external);
    outside.Clear();
    EXPECT_STREQ(external, L"");
    EXPECT_STREQ(TString().Get(), L"");
}

TEST(TStringTest, AssigningAPartOfItselfKeepsTheText)
{
    TString grows(L"prefix:value");
    EXPECT_TRUE(grows.Assign(grows.Get() + 7));
    EXPECT_STREQ(grows.Get(), L"value");
    TString fixed(L"prefix:value", 32);
    EXPECT_TRUE(fixed.Assign(fixed.Get() + 7));
    EXPECT_STREQ(fixed.Get(), L"value");
}

TEST(TStringTest, MissingResourceClearsTheText)
{
    TString text(L"old");
    EXPECT_FALSE(text.LoadResource(4000, nullptr));
    EXPECT_EQ(text.GetError(), errc::kNotFound);
    EXPECT_STREQ(text.Get(), L"");
    EXPECT_TRUE(LoadResourceText(4000).empty());
}

TEST(TWin32ErrorStringTest, SystemTextsAndLibraryCodes)
{
    const std::wstring missing = TWin32ErrorString(2).Get();
    EXPECT_FALSE(missing.empty());
    EXPECT_STREQ(TWin32ErrorString(0x20000004).Get(), L"");
    EXPECT_STREQ(TWin32ErrorString(0x2000000A).Get(), L"");
    EXPECT_STREQ(TWin32ErrorString(0x20001000).Get(), L"");
    wchar_t small[6];
    TWin32ErrorString cut(2, 6, small);
    EXPECT_EQ(std::wstring(small), missing.substr(0, 5));
}

TEST(PortableWideFormatTest, PlainStringAndCharacterConversionsBecomeWide)
{
    struct Case {
        const wchar_t* in;
        const wchar_t* out;
    };
    const Case cases[] = {
        {L"%s is connected", L"%ls is connected"},
        {L"%-8s|%c|%%s|%hs|%ls|%5.2f|%u", L"%-8ls|%lc|%%s|%hs|%ls|%5.2f|%u"},
        {L"no conversions", L"no conversions"},
    };
    for (const Case& c : cases) {
        wchar_t out[64];
        EXPECT_TRUE(PortableWideFormat(c.in, out, 64));
        EXPECT_STREQ(out, c.out);
    }
    wchar_t tiny[4];
    EXPECT_FALSE(PortableWideFormat(L"%s%s", tiny, 4));
}

}  // namespace
