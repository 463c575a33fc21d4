// The escape fixture as this build carries it: windres resources under Windows, the
// generated table natively. Both must give the texts below, and both must agree with
// what the reader makes of the fixture script.
#include <gtest/gtest.h>

#include "tests/tools/rc-strings/StringSources.h"
#include "tools/rc-strings/RcStringReader.h"

namespace {

constexpr unsigned short kEnglish = 1033;
constexpr unsigned short kRussian = 1049;

struct Expected {
    unsigned short langId;
    unsigned id;
    const wchar_t* text;
};

const Expected kFixture[] = {
    {kEnglish, 60000, L"say \"hi\" and \"bye\""},
    {kEnglish, 60001, L"a\nb\rc\td\\e\r\n\ttab"},
    {kEnglish, 60002, L"ABCD|~|ABC"},
    {kEnglish, 60003, L"100\x00B0" L"C \x0416" L"0aF"},
    {kEnglish, 60004, L"\x25CB \x25CF \x2713 \U0001F600"},
    {kEnglish, 60005, L"concatenated"},
    {kEnglish, 60006, L"\x0416" L"A\x04A2|A"},
    {kEnglish, 60007, L"spliced"},
    {kEnglish, 60008, L"%s %u %lu %d%%"},
    {kRussian, 60000, L"\x0441\x043A\x0430\x0436\x0438 \"\x043F\x0440\x0438\x0432\x0435\x0442\""},
    {kRussian, 60004, L"\x0401\x043B\x043A\x0430 \x0451 \x0419 \x0439"},
};

TEST(EscapeRoundTrip, BuildCarriesTheExpectedTexts) {
    for (const Expected& e : kFixture)
        EXPECT_EQ(FixtureString(e.langId, e.id), e.text) << e.langId << "/" << e.id;
}

TEST(EscapeRoundTrip, MissingEntriesAreEmpty) {
    EXPECT_EQ(FixtureString(kRussian, 60001), L"");  // English only
    EXPECT_EQ(FixtureString(kEnglish, 60009), L"");
    EXPECT_EQ(FixtureString(kEnglish, 59999), L"");
}

TEST(EscapeRoundTrip, ReaderAgreesWithTheBuild) {
    rcstrings::RcStringReader reader;
    ASSERT_TRUE(reader.ReadFile(SourcePath("tests/tools/rc-strings/fixture/escapes.rc")))
        << reader.Error();
    ASSERT_EQ(reader.Strings().size(), std::size(kFixture));
    for (const auto& s : reader.Strings())
        EXPECT_EQ(FixtureString(s.langId, s.id), s.text) << s.origin;
}

}  // namespace
