// JSON writing and flat-object reading.
#include "ui/app/JsonText.h"

#include <gtest/gtest.h>

namespace {

std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

TEST(JsonText, WriterEscapesAndKeepsOrder)
{
    CJsonObject o;
    o.String(L"b", L"q\"uote\\ line\nnext\x01").Number(L"a", -5).Bool(L"c", true).Raw(L"d", L"{}");
    EXPECT_EQ(o.Text(), L"{\"b\": \"q\\\"uote\\\\ line\\nnext\\u0001\", \"a\": -5, \"c\": true, \"d\": {}}");
    EXPECT_EQ(CJsonObject().Text(true), L"{}");
    EXPECT_EQ(CJsonObject().Number(L"x", 1).Text(true), L"{\n  \"x\": 1\n}");
}

TEST(JsonText, ReaderTakesWhatTheWriterWrites)
{
    CJsonObject o;
    o.String(L"text", L"Угол \"45\"\t\\").Number(L"n", 17).Bool(L"flag", false);
    std::vector<JsonMember> members;
    std::wstring error;
    ASSERT_TRUE(ParseFlatJsonObject(o.Text(true), members, error)) << Narrow(error);
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[0].key, L"text");
    EXPECT_EQ(members[0].value, L"Угол \"45\"\t\\");
    EXPECT_TRUE(members[0].isString);
    EXPECT_EQ(members[1].value, L"17");
    EXPECT_FALSE(members[1].isString);
    EXPECT_EQ(members[2].value, L"false");
}

TEST(JsonText, ReaderSkipsTheInfoObjectAndUnicodeEscapes)
{
    std::vector<JsonMember> members;
    std::wstring error;
    ASSERT_TRUE(ParseFlatJsonObject(L"\xFEFF{ \"info\": {\"model\": \"a}b\", \"x\": {}}, \"k\": \"\\u0416\", "
                                    L"\"z\": null }",
                                    members, error))
        << Narrow(error);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].key, L"k");
    EXPECT_EQ(members[0].value, L"\x0416");
    EXPECT_EQ(members[1].value, L"null");
}

TEST(JsonText, ReaderRefusesWhatIsNotAFlatObject)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* says;
    };
    const Case cases[] = {
        {L"[1]", L"\"{\""},
        {L"{\"a\" 1}", L"\":\""},
        {L"{a: 1}", L"quoted key"},
        {L"{\"a\": {\"b\": 1}}", L"a string, a number"},
        {L"{\"a\": [1]}", L"a string, a number"},
        {L"{\"a\": tru}", L"a string, a number"},
        {L"{\"a\": \"open}", L"closing quote"},
        {L"{\"a\": \"\\q\"}", L"known escape"},
        {L"{\"a\": \"\\u12\"}", L"hexadecimal"},
        {L"{\"a\": 1,\n\"b\": 2", L"line 2"},
        {L"{\"a\": 1} x", L"end of the text"},
    };
    for (const Case& c : cases) {
        std::vector<JsonMember> members;
        std::wstring error;
        EXPECT_FALSE(ParseFlatJsonObject(c.text, members, error)) << Narrow(c.text);
        EXPECT_NE(error.find(c.says), std::wstring::npos) << Narrow(c.text) << " -> " << Narrow(error);
    }
}

TEST(JsonText, ArrayReaderGivesEachObjectWithItsLine)
{
    std::vector<JsonArrayItem> items;
    std::wstring error;
    ASSERT_TRUE(ParseFlatJsonArray(L"[\n  {\"terminal\": 101},\n\n  {\"terminal\": \"102\", \"label\": \"bus 2\"}\n]\n",
                                   items, error))
        << Narrow(error);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].line, 2u);
    EXPECT_EQ(items[1].line, 4u);
    ASSERT_EQ(items[1].members.size(), 2u);
    EXPECT_EQ(items[1].members[1].value, L"bus 2");
    EXPECT_TRUE(ParseFlatJsonArray(L" [ ] ", items, error));
    EXPECT_TRUE(items.empty());
    struct Case {
        const wchar_t* text;
        const wchar_t* says;
    };
    const Case cases[] = {
        {L"{\"terminal\": 1}", L"\"[\""},
        {L"[{\"a\": 1}\n{\"a\": 2}]", L"line 2"},
        {L"[{\"a\": 1},\n 7]", L"\"{\""},
        {L"[{\"a\": 1}] x", L"end of the text"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseFlatJsonArray(c.text, items, error)) << Narrow(c.text);
        EXPECT_NE(error.find(c.says), std::wstring::npos) << Narrow(c.text) << " -> " << Narrow(error);
    }
}

}  // namespace
