// The program's own string tables as this build carries them: the texts the windows and the
// protocol layers show, complete in both languages and with matching format arguments.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/tools/rc-strings/StringSources.h"
#include "tools/rc-strings/RcStringReader.h"

namespace {

constexpr unsigned short kEnglish = 1033;
constexpr unsigned short kRussian = 1049;

// Each table as an English and a Russian script, and the header that names its ids: the sensor
// session's, the connection manager's, the window program's, kivra-cli's own messages and the
// chart's.
struct Table {
    const char* scripts[2];
    const char* ids;
    int atLeast;  // named ids, so that a header that stops being read is noticed
};
const Table kTables[] = {
    {{"protocol/resources/protocol_en.rc", "protocol/resources/protocol_ru.rc"},
     "protocol/resources/protocol_ids.h", 40},
    {{"remote/resources/remote_en.rc", "remote/resources/remote_ru.rc"}, "remote/resources/remote_ids.h", 12},
    {{"ui/resources/strings_en.rc", "ui/resources/strings_ru.rc"}, "ui/resources/resource.h", 60},
    {{"ui/resources/cli_en.rc", "ui/resources/cli_ru.rc"}, "ui/resources/cli_ids.h", 10},
    {{"ui/resources/chart_en.rc", "ui/resources/chart_ru.rc"}, "ui/resources/chart_ids.h", 20},
};
const unsigned short kScriptLanguage[] = {kEnglish, kRussian};

struct Expected {
    unsigned id;
    const wchar_t* english;
    const wchar_t* russian;
};

// Texts that other parts of the program depend on literally, odd spellings included.
const Expected kTexts[] = {
    {104, L"%s is connected", L"%s \x043D\x0430 \x0441\x0432\x044F\x0437\x0438"},
    {66, L"- transparent connection",
     L"- \x043F\x0440\x043E\x0437\x0440\x0430\x0447\x043D\x043E\x0435 "
     L"\x0441\x043E\x0435\x0434\x0438\x043D\x0435\x043D\x0438\x0435"},
    {132, L" - initialization", L" - \x0438\x043D\x0438\x0446\x0438\x0430\x043B\x0438\x0437\x0430\x0446\x0438\x044F"},
    {83, L"Rotation  (0-none, 1-right, 2-left)", nullptr},
    {117, L"Temperature (-72..100\x00B0" L"C)", nullptr},
    {125, L"Downloading firmware (%u bytes of %u sent)", nullptr},
    {102, L"Fast polling may cause a communication problem!\r\nCountinue with the action?", nullptr},
    {135, L"Connection via %s failed!\r\nPort may be unavailable or busy.",
     L"\x0421\x043E\x0435\x0434\x0438\x043D\x0435\x043D\x0438\x0435 \x0447\x0435\x0440\x0435\x0437 %s "
     L"\x043D\x0435 \x043C\x043E\x0436\x0435\x0442 \x0431\x044B\x0442\x044C "
     L"\x0443\x0441\x0442\x0430\x043D\x043E\x0432\x043B\x0435\x043D\x043E!\r\n"
     L"\x041F\x043E\x0440\x0442 \x043D\x0435\x0434\x043E\x0441\x0442\x0443\x043F\x0435\x043D "
     L"\x0438\x043B\x0438 \x0437\x0430\x043D\x044F\x0442 \x0434\x0440\x0443\x0433\x0438\x043C "
     L"\x043F\x0440\x0438\x043B\x043E\x0436\x0435\x043D\x0438\x0435\x043C."},
    {91,
     L"Output type is open collector\r\n\x25CB State 0: gate is closed, output is connected to VCC "
     L"via 3300 Ohm pullup resistor.\r\n\x25CF State 1: gate is open, output is connected to VDD.",
     nullptr},
    {347, L"Vextora firmware", L"Vextora firmware"},
    {239, L"Common (255)", L"\x041E\x0431\x0449\x0438\x0439 (255)"},
    {69, L"Log", L"\x041B\x043E\x0433"},
};

TEST(ProgramStrings, CarriesTheTextsOthersDependOn) {
    for (const Expected& e : kTexts) {
        EXPECT_EQ(ProgramString(kEnglish, e.id), e.english) << e.id;
        if (e.russian != nullptr) {
            EXPECT_EQ(ProgramString(kRussian, e.id), e.russian) << e.id;
        }
    }
}

TEST(ProgramStrings, LibraryErrorIdsStayUndefined) {
    // The runtime library's own error codes map to ids 1 to 11 and the fallback to 257; the
    // program leaves them undefined, so those codes show an empty text.
    for (const unsigned short langId : {kEnglish, kRussian}) {
        for (unsigned id = 1; id <= 11; ++id) EXPECT_EQ(ProgramString(langId, id), L"") << id;
        EXPECT_EQ(ProgramString(langId, 257), L"");
    }
}

TEST(ProgramStrings, EveryNamedIdHasTextInBothLanguages) {
    for (const Table& table : kTables) {
        rcstrings::RcStringReader header;
        ASSERT_TRUE(header.ReadFile(SourcePath(table.ids))) << header.Error();
        int named = 0;
        for (const auto& [name, body] : header.Defines()) {
            if (name.rfind("IDS_", 0) != 0) continue;
            long id = 0;
            ASSERT_TRUE(header.ValueOf(name, id)) << name;
            ++named;
            for (const unsigned short langId : {kEnglish, kRussian}) {
                const std::wstring text = ProgramString(langId, static_cast<unsigned>(id));
                EXPECT_FALSE(text.empty()) << name << " in " << langId;
                // Resource texts are loaded into buffers of 256 characters.
                EXPECT_LT(text.size(), 256u) << name << " in " << langId;
            }
        }
        EXPECT_GT(named, table.atLeast) << table.ids;
    }
}

// The printf conversions of a text in order ("%%" is none), as the formatting will see them.
std::wstring Conversions(const std::wstring& text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') continue;
        if (i + 1 < text.size() && text[i + 1] == L'%') {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && std::wstring_view(L"0123456789.-+ #hlI").find(text[end]) !=
                                        std::wstring_view::npos)
            ++end;
        result += text.substr(i, end - i + 1) + L" ";
        i = end;
    }
    return result;
}

TEST(ProgramStrings, ScriptsMatchTheBuildAndEachOther) {
    for (const Table& table : kTables) {
        std::set<unsigned> idsOf[2];
        std::map<unsigned, std::wstring> conversionsOf[2];
        for (int i = 0; i < 2; ++i) {
            rcstrings::RcStringReader reader;
            ASSERT_TRUE(reader.ReadFile(SourcePath(table.scripts[i]))) << reader.Error();
            for (const auto& s : reader.Strings()) {
                EXPECT_EQ(s.langId, kScriptLanguage[i]) << s.origin;
                EXPECT_EQ(ProgramString(s.langId, s.id), s.text) << s.origin;
                idsOf[i].insert(s.id);
                conversionsOf[i][s.id] = Conversions(s.text);
            }
        }
        EXPECT_EQ(idsOf[0], idsOf[1]) << table.scripts[0];
        for (const unsigned id : idsOf[0])
            EXPECT_EQ(conversionsOf[0][id], conversionsOf[1][id]) << "format arguments of " << id;
    }
}

}  // namespace
