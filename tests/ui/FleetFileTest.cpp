// The list of vehicles: both forms, defaults, and every bad row named with its line before anything starts.
#include "ui/cli/CsvText.h"
#include "ui/cli/FleetFile.h"

#include "runtime/ResourceLanguage.h"

#include <gtest/gtest.h>

namespace {

std::string Narrow(const std::wstring& w)
{
    std::string n;
    for (wchar_t c : w)
        n += c < 128 ? static_cast<char>(c) : '?';
    return n;
}

std::string Joined(const std::vector<std::wstring>& errors)
{
    std::string all;
    for (const std::wstring& e : errors)
        all += Narrow(e) + "\n";
    return all;
}

const wchar_t kCsv[] =
    L"\xFEFF# the depot's buses\r\n"
    L"terminal,label,address,terminal_port,terminal_baud\r\n"
    L"1204,\"Bus 12, north\",7,1,9600\r\n"
    L"\r\n"
    L"1205,Bus 13,,,\r\n"
    L" 1206 ,\"say \"\"hi\"\"\",255,2,4800\r\n";

const wchar_t kJson[] =
    L"[\n"
    L"  {\"terminal\": 1204, \"label\": \"Bus 12, north\", \"address\": 7, \"terminal_port\": 1, \"terminal_baud\": 9600},\n"
    L"  {\"terminal\": \"1205\", \"label\": \"Bus 13\", \"address\": null},\n"
    L"  {\"terminal\": 1206, \"label\": \"say \\\"hi\\\"\", \"address\": 255, \"terminal_port\": 2, \"terminal_baud\": 4800}\n"
    L"]\n";

TEST(FleetFile, CsvAndJsonGiveTheSameVehicles)
{
    for (const wchar_t* text : {kCsv, kJson}) {
        std::vector<FleetVehicle> v;
        std::vector<std::wstring> errors;
        ASSERT_TRUE(ReadFleetText(text, v, errors)) << Joined(errors);
        ASSERT_EQ(v.size(), 3u);
        EXPECT_EQ(v[0].terminal, 1204u);
        EXPECT_EQ(v[0].label, L"Bus 12, north");
        EXPECT_EQ(v[0].address, 7);
        EXPECT_EQ(v[0].terminalPort, 1u);
        EXPECT_EQ(v[0].terminalBaud, 9600u);
        EXPECT_EQ(v[1].terminal, 1205u);
        EXPECT_EQ(v[1].address, -1);  // kivra-cli's defaults
        EXPECT_EQ(v[1].terminalPort, 0u);
        EXPECT_EQ(v[1].terminalBaud, 0u);
        EXPECT_EQ(v[2].terminal, 1206u);
        EXPECT_EQ(v[2].label, L"say \"hi\"");
        EXPECT_EQ(v[2].address, 255);
        EXPECT_EQ(v[2].line, text == kCsv ? 6u : 4u);
    }
}

// Every bad row is named, not just the first, and nothing comes back from a file that has one.
TEST(FleetFile, BadRowsAreNamedWithTheirLine)
{
    struct Case {
        const wchar_t* text;
        std::vector<std::string> says;
    } cases[] = {
        {L"terminal,address\n7,300\n0,1\nx,2\n8,1,9\n",
         {"line 2: address \"300\"", "line 3: terminal \"0\"", "line 4: terminal \"x\"", "line 5: 3 fields where the header has 2"}},
        {L"terminal,terminal_baud,terminal_port\n7,1234,3\n", {"line 2: terminal_baud \"1234\"", "line 2: terminal_port \"3\""}},
        {L"label,address\nbus,1\n", {"line 1: the header names no terminal column"}},
        {L"terminal,colour\n7,red\n", {"line 1: unknown column \"colour\""}},
        {L"terminal,terminal\n7,8\n", {"line 1: column \"terminal\" twice"}},
        {L"terminal\n7\n8\n7\n", {"line 4: terminal 7 is on line 2 already"}},
        {L"terminal,label\n7,\"open\n", {"line 2: a quoted field does not end"}},
        {L"terminal\n", {"no vehicles in the list"}},
        {L"[{\"terminal\": 7}, {\"label\": \"x\"},\n {\"terminal\": 7, \"colour\": 1}]",
         {"line 1: no terminal given", "line 2: unknown column \"colour\""}},
        {L"[{\"terminal\": 7},\n {\"terminal\": 7.5}]", {"line 2: terminal \"7.5\""}},
        {L"[{\"terminal\": 7}\n {\"terminal\": 8}]", {"line 2"}},
        {L"[]", {"no vehicles in the list"}},
    };
    for (const Case& c : cases) {
        std::vector<FleetVehicle> v;
        std::vector<std::wstring> errors;
        EXPECT_FALSE(ReadFleetText(c.text, v, errors)) << Narrow(c.text);
        EXPECT_EQ(errors.size(), c.says.size()) << Joined(errors);
        const std::string all = Joined(errors);
        for (const std::string& said : c.says)
            EXPECT_NE(all.find(said), std::string::npos) << Narrow(c.text) << " -> " << all;
    }
}

TEST(FleetFile, RussianRowsSayWhereInRussian)
{
    SetResourceLanguage(kLangRussian);
    std::vector<FleetVehicle> v;
    std::vector<std::wstring> errors;
    EXPECT_FALSE(ReadFleetText(L"terminal\n7\n7\n", v, errors));
    SetResourceLanguage(kLangEnglish);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], L"строка 3: БК 7 уже указан в строке 2");
}

TEST(CsvText, FieldsReadBackAsWritten)
{
    const std::vector<std::wstring> fields = {L"plain", L"a,b", L"say \"x\"", L"two\nlines", L"", L" lead", L"#7",
                                              L"Угол"};
    std::wstring line;
    for (const std::wstring& f : fields)
        line += (line.empty() ? L"" : L",") + CsvField(f);
    std::vector<CsvRow> rows;
    std::wstring error;
    ASSERT_TRUE(ParseCsv(L"# comment\n" + line + L"\r\nnext\n", rows, error)) << Narrow(error);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields, fields);
    EXPECT_EQ(rows[0].line, 2u);
    EXPECT_EQ(rows[1].line, 4u);  // the quoted line break counts
}

}  // namespace
