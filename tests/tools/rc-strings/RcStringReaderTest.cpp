// Reading string tables out of resource scripts: statements, ids, languages, directives,
// and the faults that must stop the build.
#include "tools/rc-strings/RcStringReader.h"

#include <gtest/gtest.h>

#include "tests/tools/rc-strings/StringSources.h"

namespace {

using rcstrings::RcStringReader;

constexpr unsigned short kEnglish = 1033;
constexpr unsigned short kRussian = 1049;

// The strings of one script as (language, id, text) triples in reading order.
struct Entry {
    unsigned short langId;
    unsigned short id;
    std::wstring text;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> Read(const char* script, std::string* error = nullptr) {
    RcStringReader reader;
    const bool ok = reader.ReadText(script, "test.rc", "");
    if (error != nullptr) *error = reader.Error();
    std::vector<Entry> entries;
    if (!ok) return entries;
    for (const auto& s : reader.Strings()) entries.push_back({s.langId, s.id, s.text});
    return entries;
}

TEST(RcStringReader, ReadsTablesInTheirLanguages) {
    const char* script =
        "#pragma code_page(65001)\n"
        "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
        "STRINGTABLE\nBEGIN\n  1, \"one\"\n  2 \"two\"\nEND\n"
        "STRINGTABLE DISCARDABLE MOVEABLE LANGUAGE LANG_RUSSIAN, SUBLANG_DEFAULT\n"
        "{\n  1, \"\xD0\xBE\xD0\xB4\xD0\xB8\xD0\xBD\"\n}\n"
        "stringtable\nbegin\n  3, \"three\"\nend\n"   // keywords ignore case
        "LANGUAGE 0x19, 1\nSTRINGTABLE BEGIN 4, \"four\" END\n";
    std::string error;
    const std::vector<Entry> expected = {{kEnglish, 1, L"one"},
                                         {kEnglish, 2, L"two"},
                                         {kRussian, 1, L"\x043E\x0434\x0438\x043D"},
                                         {kEnglish, 3, L"three"},
                                         {kRussian, 4, L"four"}};
    EXPECT_EQ(Read(script, &error), expected) << error;
}

TEST(RcStringReader, EvaluatesIdsFromDefinitions) {
    const char* script =
        "#define BASE 100\n"
        "#define NEXT (BASE + 1) /* comment */\n"
        "#define LONG_ONE \\\n   0x20L\n"
        "#define MASKED BASE | 3\n"
        "#define GONE 5\n#undef GONE\n"
        "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
        "STRINGTABLE\nBEGIN\n"
        "  BASE, \"a\"\n  NEXT, \"b\"\n  (NEXT + 2) - 1, \"c\"\n  LONG_ONE, \"d\"\n"
        "  MASKED \"e\"\n  -(-7) \"f\"\n"
        "END\n";
    std::string error;
    const std::vector<Entry> expected = {{kEnglish, 100, L"a"}, {kEnglish, 101, L"b"},
                                         {kEnglish, 102, L"c"}, {kEnglish, 32, L"d"},
                                         {kEnglish, 103, L"e"}, {kEnglish, 7, L"f"}};
    EXPECT_EQ(Read(script, &error), expected) << error;
}

TEST(RcStringReader, JoinsAdjacentLiteralsAcrossCommentsAndLines) {
    const char* script =
        "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
        "STRINGTABLE BEGIN\n"
        "  1, \"con\" /* x */ \"cat\" // y\n  \"enated\" L\"\\x41\"\n"
        "  2, \"a\"\"b\"\n"
        "END\n";
    std::string error;
    const std::vector<Entry> expected = {{kEnglish, 1, L"concatenatedA"}, {kEnglish, 2, L"a\"b"}};
    EXPECT_EQ(Read(script, &error), expected) << error;
}

TEST(RcStringReader, EachScriptStartsAfresh) {
    RcStringReader reader;
    ASSERT_TRUE(reader.ReadText("#pragma code_page(65001)\n#define ID 7\n"
                                "LANGUAGE LANG_RUSSIAN, SUBLANG_DEFAULT\n"
                                "STRINGTABLE BEGIN ID, \"\xD0\x96\" END\n",
                                "first.rc", ""))
        << reader.Error();
    // Language, code page and definitions of the first script do not carry over.
    EXPECT_FALSE(reader.ReadText("STRINGTABLE BEGIN 1, \"x\" END\n", "second.rc", ""));
    EXPECT_NE(reader.Error().find("without a LANGUAGE"), std::string::npos) << reader.Error();
    EXPECT_FALSE(reader.ReadText("LANGUAGE 9, 1\nSTRINGTABLE BEGIN ID, \"x\" END\n", "third.rc", ""));
    EXPECT_NE(reader.Error().find("undefined name ID"), std::string::npos) << reader.Error();
    EXPECT_FALSE(reader.ReadText("LANGUAGE 9, 1\nSTRINGTABLE BEGIN 1, \"\xD0\x96\" END\n", "4.rc", ""));
    EXPECT_NE(reader.Error().find("code_page"), std::string::npos) << reader.Error();
    // The strings read so far stay.
    ASSERT_EQ(reader.Strings().size(), 1u);
    EXPECT_EQ(reader.Strings()[0].text, L"\x0416");
    EXPECT_EQ(reader.Strings()[0].origin, "first.rc:4");
}

TEST(RcStringReader, ReportsDefinitionsAndTheirValues) {
    RcStringReader reader;
    ASSERT_TRUE(reader.ReadText("#define A 5\n#define B (A + 1)\n#define TEXT \"no\"\n"
                                "#define SELF SELF\n",
                                "defs.h", ""));
    long value = 0;
    EXPECT_TRUE(reader.ValueOf("B", value));
    EXPECT_EQ(value, 6);
    EXPECT_TRUE(reader.ValueOf("LANG_RUSSIAN", value));  // the Windows language names
    EXPECT_EQ(value, 0x19);
    EXPECT_FALSE(reader.ValueOf("TEXT", value));
    EXPECT_FALSE(reader.ValueOf("SELF", value));
    EXPECT_FALSE(reader.ValueOf("MISSING", value));
    EXPECT_EQ(reader.Defines().at("B"), "(A + 1)");
}

TEST(RcStringReader, FollowsQuotedIncludesFromTheScriptsFolder) {
    RcStringReader reader;
    const std::string folder = SourcePath("tests/tools/rc-strings/fixture");
    ASSERT_TRUE(reader.ReadText("#include <windows.h>\n#include \"resource.h\"\n"
                                "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                                "STRINGTABLE BEGIN FIXTURE_NUMERIC, \"n\" END\n",
                                "inline.rc", folder))
        << reader.Error();
    ASSERT_EQ(reader.Strings().size(), 1u);
    EXPECT_EQ(reader.Strings()[0].id, 60002);

    EXPECT_FALSE(reader.ReadText("#include \"absent.h\"\n", "inline.rc", folder));
    EXPECT_NE(reader.Error().find("absent.h"), std::string::npos) << reader.Error();
}

struct Fault {
    const char* script;
    const char* reason;  // part of the error text
    const char* where;   // the line it names
};

TEST(RcStringReader, StopsAtTheFirstFaultNamingItsLine) {
    const char* head = "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n";
    // Line 1 of every script is the language line above.
    const Fault cases[] = {
        {"STRINGTABLE BEGIN\n 1, \"a\"\n 1, \"b\"\nEND\n", "already defined at test.rc:3", "test.rc:4:"},
        {"STRINGTABLE BEGIN\n 1, \"\"\nEND\n", "is empty", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n 65536, \"a\"\nEND\n", "out of range", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n NOPE, \"a\"\nEND\n", "undefined name NOPE", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n 1, 2\nEND\n", "expected the text of string 1", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n 1, \"a\n\"\nEND\n", "unterminated string", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n 1, \"\\q\"\nEND\n", "unsupported escape", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n 1, \"a\"\n", "without END", "test.rc:4:"},
        {"STRINGTABLE PRELOAD FANCY BEGIN\nEND\n", "unexpected 'FANCY'", "test.rc:2:"},
        {"\n100 DIALOG 0, 0, 10, 10\n", "unsupported statement '100'", "test.rc:3:"},
        {"\nMENU_1 MENU BEGIN END\n", "unsupported statement 'MENU_1'", "test.rc:3:"},
        {"#ifdef X\n#endif\n", "conditional directive #ifdef", "test.rc:2:"},
        {"#line 5\n", "unsupported directive #line", "test.rc:2:"},
        {"/* open\n", "unterminated comment", "test.rc:2:"},
        {"STRINGTABLE BEGIN\n 1 @ \"a\"\nEND\n", "unexpected character '@'", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n (1, \"a\"\nEND\n", "missing ')'", "test.rc:3:"},
        {"#define LOOP LOOP\nSTRINGTABLE BEGIN\n LOOP, \"a\"\nEND\n", "refers to itself", "test.rc:4:"},
        {"LANGUAGE 9\n", "needs a language and a sublanguage", "test.rc:3:"},
        {"LANGUAGE 0x400, 1\n", "language out of range", "test.rc:3:"},
        {"STRINGTABLE BEGIN\n 0x1G, \"a\"\nEND\n", "malformed number", "test.rc:3:"},
    };
    for (const Fault& c : cases) {
        std::string error;
        EXPECT_TRUE(Read((std::string(head) + c.script).c_str(), &error).empty()) << c.script;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.script << " gave: " << error;
        EXPECT_NE(error.find(c.where), std::string::npos) << c.script << " gave: " << error;
    }
}

TEST(RcStringReader, UnreadableFileIsAFault) {
    RcStringReader reader;
    EXPECT_FALSE(reader.ReadFile(SourcePath("tests/tools/rc-strings/fixture/missing.rc")));
    EXPECT_NE(reader.Error().find("missing.rc: cannot be read"), std::string::npos) << reader.Error();
}

}  // namespace
