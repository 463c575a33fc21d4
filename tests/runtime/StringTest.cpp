// Tests of the runtime string: growing and fixed storage, string-table formats in both languages,
// and the texts of error codes.
#include <gtest/gtest.h>

#include <string>

#include "runtime/ResourceLanguage.h"
#include "runtime/ResourceText.h"
#include "runtime/TString.h"
#include "runtime/WideFormat.h"
#include "ui/resources/resource.h"

namespace {

class TLanguageScope {
public:
    explicit TLanguageScope(unsigned short lang) { SetResourceLanguage(lang); }
    ~TLanguageScope() { SetResourceLanguage(kLangEnglish); }
};

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

TEST(TStringTest, ResourceTextsFollowTheResourceLanguage)
{
    struct Case {
        unsigned short lang;
        const wchar_t* connected;
        const wchar_t* download;
    };
    const Case cases[] = {
        {kLangEnglish, L"COM3 is connected", L"Downloading firmware (512 bytes of 4096 sent)"},
        {kLangRussian, L"COM3 на связи", L"Загрузка прошивки (передано 512 байт из 4096)"},
    };
    for (const Case& c : cases) {
        TLanguageScope language(c.lang);
        TString text;
        EXPECT_TRUE(text.LoadResource(IDS_CONN_DEVICE_CONNECTED, nullptr, L"COM3"));
        EXPECT_STREQ(text.Get(), c.connected);
        EXPECT_TRUE(text.LoadResource(IDS_FIRMWARE_DOWNLOADING, nullptr, 512u, 4096u));
        EXPECT_STREQ(text.Get(), c.download);
    }
    TLanguageScope russian(kLangRussian);
    EXPECT_EQ(LoadResourceText(IDS_TAB_LOG), L"Лог");
}

TEST(TStringTest, ResourceTextArgumentsFillTheirPlacesInOrder)
{
    TLanguageScope russian(kLangRussian);
    EXPECT_EQ(LoadResourceText(IDS_CONN_DEVICE_CONNECTED, {L"COM3"}), L"COM3 на связи");
    // Longer than any formatting buffer: a person's file name or line comes whole.
    const std::wstring longLine(2000, L'x');
    EXPECT_EQ(LoadResourceText(IDS_CONN_DEVICE_CONNECTED, {longLine}), longLine + L" на связи");
    // A missing argument leaves its place empty rather than reading past the list.
    EXPECT_EQ(LoadResourceText(IDS_CONN_DEVICE_CONNECTED, {}), L" на связи");
    EXPECT_EQ(LoadResourceText(4000, {L"x"}), L"");
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
