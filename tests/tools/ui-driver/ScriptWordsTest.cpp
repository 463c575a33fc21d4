// Reading script lines into words, and the quoted form the driver prints, which reads back.
#include "tools/ui-driver/ScriptWords.h"
#include "tools/ui-driver/Wildcard.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(ScriptWords, SplitsQuotesAndEscapes)
{
    const struct {
        std::string line;
        Words words;
    } cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"# a comment \"unclosed", {}},
        {"  #also a comment", {}},
        {"click 1006", {"click", "1006"}},
        {"  expect   text\t1003 = \"COM5 : 19200\"  \r", {"expect", "text", "1003", "=", "COM5 : 19200"}},
        {"set-text 1076 \"\"", {"set-text", "1076", ""}},
        {"select 1087 #0", {"select", "1087", "#0"}},                 // '#' inside a line is no comment
        {R"(x "a\"b\\c\nd\re\tf\x41")", {"x", "a\"b\\c\nd\re\tfA"}},
        {R"(file-dialog 'Z:\tmp\new\x.fw')", {"file-dialog", R"(Z:\tmp\new\x.fw)"}}, // literal
        {R"(file-dialog Z:\tmp\x.fw)", {"file-dialog", R"(Z:\tmp\x.fw)"}},           // bare backslashes
        {"a\"b c\"d 'e\"f'", {"ab cd", "e\"f"}},                      // quotes join a word's parts
        {"text \"Привет\"", {"text", "Привет"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitWords(c.line), c.words) << c.line;
}

TEST(ScriptWords, RefusesUnclosedQuotesAndUnknownEscapes)
{
    const struct {
        std::string line;
        std::string reason;
    } cases[] = {
        {"text \"abc", "not closed (\" missing)"},
        {"text 'abc", "not closed (' missing)"},
        {R"(text "a\q")", "unknown escape \\q"},
        {R"(text "a\x4")", "\\x needs two hexadecimal digits"},
        {"text \"a\\", "a backslash ends the line"},
    };
    for (const auto& c : cases) {
        try {
            SplitWords(c.line);
            ADD_FAILURE() << c.line << " was read";
        } catch (const CScriptError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.line << ": " << e.what();
        }
    }
}

TEST(ScriptWords, QuotedTextReadsBackUnchanged)
{
    const std::string texts[] = {"", "plain", "Connection via COM5 failed!\r\nPort may be unavailable or busy.",
                                 "tab\there \"quoted\" back\\slash", std::string("nul\0bell\x07 del\x7F", 14), "????",
                                 "Разорвать соединение"};
    for (const std::string& text : texts) {
        const std::string quoted = QuoteText(text);
        EXPECT_EQ(SplitWords("x " + quoted), Words({"x", text})) << quoted;
        EXPECT_EQ(quoted.find_first_of("\r\n\t"), std::string::npos) << quoted; // one result line
    }
    EXPECT_EQ(QuoteText("a\"b\\c\r\n"), R"("a\"b\\c\r\n")");
}

TEST(Wildcard, MatchesCharactersNotBytes)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"", "", true},
        {"", "a", false},
        {"*", "", true},
        {"*", "anything", true},
        {"Vextora KIVRA*", "Vextora KIVRA 2.6", true},
        {"Vextora KIVRA*", "vextora KIVRA 2.6", false}, // case counts
        {"*2.6", "Vextora KIVRA 2.6", true},
        {"*KIVRA*", "Vextora KIVRA 2.6", true},
        {"a*b*c", "a-b-b-c", true},
        {"a*b*c", "a-b-b-c-d", false},
        {"a*c", "abcbc", true},
        {"?", "Ж", true},                // one Cyrillic letter, two bytes
        {"??", "Ж", false},
        {"Лог", "Лог", true},
        {"C=*,T=*", "C=1,T=2", true},
        {"???", "ab", false},
        {"ab", "abc", false},
        {"**x", "yx", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;
    EXPECT_TRUE(IsWildcardPattern("Th*"));
    EXPECT_TRUE(IsWildcardPattern("a?"));
    EXPECT_FALSE(IsWildcardPattern("Common (255)"));
}

} // namespace
