// UTF-8 conversion on either width of wchar_t.
#include "ui/app/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, CyrillicAndSupplementaryCharactersRoundTrip)
{
    const std::wstring text = L"Соединение \x20AC \U0001F600 ok";
    const std::string bytes = ToUtf8(text);
    EXPECT_EQ(bytes.substr(0, 4), "\xD0\xA1\xD0\xBE");
    EXPECT_NE(bytes.find("\xE2\x82\xAC"), std::string::npos);
    EXPECT_NE(bytes.find("\xF0\x9F\x98\x80"), std::string::npos);
    std::wstring back;
    EXPECT_TRUE(FromUtf8(bytes, back));
    EXPECT_EQ(back, text);
}

TEST(Utf8, FileTextIsUtf16AfterItsByteOrderMarkElseUtf8)
{
    struct Case {
        std::string bytes;
        std::wstring text;
        bool clean;
    };
    const Case cases[] = {
        // "a=Ж" and a character beyond U+FFFF, as a Windows "Unicode" file and its big-endian twin.
        {std::string("\xFF\xFE" "a\0=\0\x16\x04\x3D\xD8\x00\xDE", 12), L"a=\x0416\U0001F600", true},
        {std::string("\xFE\xFF\0a\0=\x04\x16\xD8\x3D\xDE\x00", 12), L"a=\x0416\U0001F600", true},
        {std::string("\xFF\xFE" "a\0\x00\xDC", 6), L"a\xFFFD", false},  // a lone low surrogate
        {std::string("\xFF\xFE" "a\0b", 5), L"a\xFFFD", false},         // an odd byte at the end
        {"\xEF\xBB\xBF" "a=\xD0\x96", L"a=\x0416", true},               // UTF-8, its mark dropped
        {"a=1", L"a=1", true},
    };
    for (const Case& c : cases) {
        std::wstring text;
        EXPECT_EQ(DecodeFileText(c.bytes, text), c.clean);
        EXPECT_EQ(text, c.text);
    }
}

TEST(Utf8, BrokenSequencesBecomeReplacementCharacters)
{
    struct Case {
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"a\xFF" "b", L"a\xFFFD" L"b"},       // no lead byte
        {"\xD0", L"\xFFFD"},                  // cut short at the end
        {"\xD0" "A", L"\xFFFD" L"A"},         // cut short by an ASCII byte
        {"\xC0\xAF", L"\xFFFD"},              // overlong
        {"\xED\xA0\x80", L"\xFFFD"},          // a surrogate
        {"\xF4\x90\x80\x80", L"\xFFFD"},      // beyond U+10FFFF
    };
    for (const Case& c : cases) {
        std::wstring text;
        EXPECT_FALSE(FromUtf8(c.bytes, text));
        EXPECT_EQ(text, c.text);
    }
}

}  // namespace
