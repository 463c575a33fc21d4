// UTF-8 conversion on either width of wchar_t.
#include "ui/cli/Utf8.h"

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
