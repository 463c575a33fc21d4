// The program's own command table: each command takes the operands it runs with, and the help
// made from the table names every command and option in both languages.
#include "runtime/ResourceLanguage.h"
#include "ui/cli/CliArguments.h"
#include "ui/cli/CliText.h"
#include "ui/cli/HelpText.h"
#include "ui/cli/win32/Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <set>
#include <sstream>

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

bool Parses(const std::wstring& line, CliArguments& a, std::wstring& error)
{
    std::wistringstream in(line);
    std::vector<std::wstring> words;
    for (std::wstring w; in >> w;)
        words.push_back(w);
    return ParseCliArguments(words, KivraCliCommands(), a, error);
}

TEST(CommandTable, EveryCommandTakesTheOperandsItRunsWith)
{
    struct Case {
        const wchar_t* accepted;
        const wchar_t* refused;  // null: the command takes anything after it
        bool connects;
    };
    const Case cases[] = {
        {L"info", L"info extra", true},
        {L"settings import a.json", L"settings import", true},
        {L"live --count 3", L"live 3", true},
        {L"log rows.txt", L"log", true},
        {L"zero", L"zero now", true},
        {L"address 254", L"address 255", true},
        {L"diag", L"diag all", true},
        {L"test 7", L"test 1x", true},
        // The image is checked before the link is opened.
        {L"firmware image.fw", L"firmware", false},
        {L"ports", L"ports COM5", false},
        {L"scan --baud all", L"scan COM5", false},
        {L"chart log.txt --out a.png", L"chart log.txt", false},
        {L"fleet apply cars.csv profile.json --relay h:1", L"fleet apply cars.csv --relay h:1", false},
        {L"help", nullptr, false},
    };
    std::set<std::wstring> named;
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.accepted));
        CliArguments a;
        std::wstring error;
        ASSERT_TRUE(Parses(c.accepted, a, error)) << Narrow(error);
        const CliCommand* command = FindCliCommand(KivraCliCommands(), a.command);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->needsConnection, c.connects);
        EXPECT_NE(command->run, nullptr);
        named.insert(command->name);
        if (c.refused) {
            EXPECT_FALSE(Parses(c.refused, a, error)) << Narrow(c.refused);
        }
    }
    EXPECT_EQ(named.size(), KivraCliCommands().size()) << "a command without a case here";
}

TEST(CommandTable, TheHelpNamesEveryCommandAndOptionInBothLanguages)
{
    const auto lines = [](const std::wstring& text) { return std::count(text.begin(), text.end(), L'\n'); };
    std::ptrdiff_t englishLines = 0;
    for (const unsigned short language : {kLangEnglish, kLangRussian}) {
        SetResourceLanguage(language);
        const std::wstring help = CliHelpText(KivraCliCommands());
        // Each command's lines begin with its name, in the order of the table, and its first line
        // is there once (a command whose lines ran on into the next one's would repeat that).
        std::size_t at = 0;
        for (const CliCommand& command : KivraCliCommands()) {
            at = help.find(L"\n  " + std::wstring(command.name), at);
            EXPECT_NE(at, std::wstring::npos) << language << " " << Narrow(command.name);
            const std::wstring first = L"\n" + CliText(command.helpId) + L"\n";
            EXPECT_EQ(help.find(first), help.rfind(first)) << language << " " << Narrow(command.name);
        }
        for (const wchar_t* word :
             {L"settings get", L"settings set", L"settings export", L"settings import", L"log FILE", L"address N",
              L"test VALUE", L"firmware FILE", L"--port", L"--relay", L"--terminal-port", L"--terminal-baud",
              L"--address", L"--timeout", L"--read-gap", L"--lang", L"--trace", L"--resources", L"--addresses",
              L"--include-serial", L"--from", L"--count", L"--full", L"--fast", L"--json", L"--common", L"--secondary", L"14 scan",
              L"chart LOGFILE", L"--out", L"--to", L"--size", L"--series", L"fleet info", L"fleet backup",
              L"fleet apply", L"fleet firmware", L"--jobs", L"--retries", L"--report", L"--resume", L"15 fleet"})
            EXPECT_NE(help.find(word), std::wstring::npos) << language << " " << Narrow(word);
        EXPECT_EQ(help.back(), L'\n');
        if (language == kLangEnglish)
            englishLines = lines(help);
        else
            EXPECT_EQ(lines(help), englishLines) << "the Russian help has other lines";
    }
    SetResourceLanguage(kLangEnglish);
}

}  // namespace
