// Decoding of string literal bodies: the escapes windres understands, and the ones refused.
#include "tools/rc-strings/RcLiteral.h"

#include <gtest/gtest.h>

namespace {

struct Decoded {
    const char* body;
    bool wide;
    const wchar_t* expected;
};

TEST(RcLiteral, DecodesEscapesAndCharacters) {
    const Decoded cases[] = {
        {"plain text", false, L"plain text"},
        {"say \"\"hi\"\"", false, L"say \"hi\""},
        {"back\\\"slash quote", false, L"back\"slash quote"},
        {"\\n\\r\\t\\b\\f\\v", false, L"\n\r\t\b\f\v"},
        {"a\\\\b", false, L"a\\b"},
        {"\\101\\1011\\7", false, L"AA1\x07"},         // octal: at most three digits
        {"\\x41\\x4a2", false, L"AJ2"},                // plain hex: at most two digits
        {"\\x41\\x4a2", true, L"A\x04A2"},             // L"" hex: up to four digits
        {"\\x0416\\x41424", true, L"\x0416\x4142" L"4"},
        {"\\x7f", false, L"\x7F"},
        {"spl\\\niced", false, L"spliced"},            // line splice
        {"spl\\\r\niced", false, L"spliced"},
        {"100\xC2\xB0" "C", false, L"100\x00B0" L"C"},
        {"\xD0\x96\xD1\x91", false, L"\x0416\x0451"},
        {"\xE2\x97\x8B \xE2\x97\x8F", false, L"\x25CB \x25CF"},
        {"", false, L""},
    };
    for (const Decoded& c : cases) {
        std::wstring text;
        std::string error;
        EXPECT_TRUE(rcstrings::DecodeRcLiteral(c.body, c.wide, true, text, error))
            << c.body << ": " << error;
        EXPECT_EQ(text, c.expected) << c.body;
    }
}

TEST(RcLiteral, NonBmpCharacterTakesThePlatformsWideForm) {
    std::wstring text;
    std::string error;
    ASSERT_TRUE(rcstrings::DecodeRcLiteral("\xF0\x9F\x98\x80", false, true, text, error));
    EXPECT_EQ(text, L"\U0001F600");
    EXPECT_EQ(text.size(), sizeof(wchar_t) == 2 ? 2u : 1u);
}

struct Refused {
    const char* body;
    bool wide;
    bool utf8Source;
    const char* reason;  // part of the error text
};

TEST(RcLiteral, RefusesWhatWindresWouldReadDifferently) {
    const Refused cases[] = {
        {"\\a", false, true, "\\a"},
        {"\\q", false, true, "unsupported escape"},
        {"\\'", false, true, "unsupported escape"},
        {"\\x", false, true, "without hex digits"},
        {"a\\0b", false, true, "NUL"},
        {"\\x80", false, true, "above 0x7F"},
        {"\\200", false, true, "above 0x7F"},
        {"\\xD800", true, true, "surrogate"},
        {"\xD0\x96", true, true, "L\"\""},
        {"\xD0\x96", false, false, "code_page"},
        {"\xD0", false, true, "UTF-8"},          // truncated sequence
        {"\xC0\x81", false, true, "UTF-8"},      // overlong
        {"\xED\xA0\x80", false, true, "UTF-8"},  // encoded surrogate
        {"\xF4\x90\x80\x80", false, true, "UTF-8"},  // above U+10FFFF
        {"\x80", false, true, "UTF-8"},          // stray continuation byte
        {"a\"b", false, true, "lone quote"},
        {"a\nb", false, true, "line break"},
        {"a\\", false, true, "backslash at the end"},
    };
    for (const Refused& c : cases) {
        std::wstring text;
        std::string error;
        EXPECT_FALSE(rcstrings::DecodeRcLiteral(c.body, c.wide, c.utf8Source, text, error)) << c.body;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.body << " gave: " << error;
    }
}

}  // namespace
