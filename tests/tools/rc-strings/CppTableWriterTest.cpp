// The C++ form of generated string tables: literals that compile back to the same text,
// entries in the order the look-up relies on.
#include "tools/rc-strings/CppTableWriter.h"

#include <gtest/gtest.h>

namespace {

TEST(CppTableWriter, WritesLiteralsThatReadBackTheSame) {
    struct Case {
        const wchar_t* text;
        const char* literal;
    };
    const Case cases[] = {
        {L"plain text 100%", "L\"plain text 100%\""},
        {L"say \"hi\" \\ there", "L\"say \\\"hi\\\" \\\\ there\""},
        {L"a\r\nb\tc", "L\"a\\xd\\xa\" L\"b\\x9\" L\"c\""},  // hex escapes end before hex digits
        {L"100\x00B0" L"C", "L\"100\\xb0\" L\"C\""},
        {L"\x0416z", "L\"\\x416z\""},                         // z is no hex digit
        {L"", "L\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(rcstrings::WideLiteral(c.text), c.literal);
}

TEST(CppTableWriter, SortsEntriesByLanguageThenId) {
    std::vector<rcstrings::RcString> strings = {
        {1049, 5, L"ru5", "b.rc:1"}, {1033, 9, L"en9", "a.rc:2"}, {1033, 5, L"en5", "a.rc:1"}};
    const std::string source = rcstrings::CompiledTableSource(strings, "someTable");
    const std::size_t en5 = source.find("{1033, 5, L\"en5\", 3},  // a.rc:1");
    const std::size_t en9 = source.find("{1033, 9, L\"en9\", 3},  // a.rc:2");
    const std::size_t ru5 = source.find("{1049, 5, L\"ru5\", 3},  // b.rc:1");
    ASSERT_NE(en5, std::string::npos) << source;
    ASSERT_NE(en9, std::string::npos) << source;
    ASSERT_NE(ru5, std::string::npos) << source;
    EXPECT_LT(en5, en9);
    EXPECT_LT(en9, ru5);
    EXPECT_NE(source.find("extern const CompiledStringTable someTable ="), std::string::npos);
}

TEST(CppTableWriter, EmptyTableHasNoEntries) {
    const std::string source = rcstrings::CompiledTableSource({}, "emptyTable");
    EXPECT_NE(source.find("extern const CompiledStringTable emptyTable = {nullptr, 0};"),
              std::string::npos)
        << source;
}

}  // namespace
