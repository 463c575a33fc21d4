// The command line: what each form sets, every way a line is refused and in which language.
#include "ui/cli/CliArguments.h"

#include "runtime/ResourceLanguage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <sstream>

namespace {

// Commands of every kind of operands, under the program's names; what runs them is not the
// command line's business (tests/ui/win32 reads the program's own table).
const CliCommand kCommands[] = {
    {L"info", CliOperands::None, true, nullptr, 0},         {L"live", CliOperands::None, true, nullptr, 0},
    {L"settings", CliOperands::Settings, true, nullptr, 0}, {L"address", CliOperands::Address, true, nullptr, 0},
    {L"test", CliOperands::Number, true, nullptr, 0},       {L"firmware", CliOperands::File, false, nullptr, 0},
    {L"log", CliOperands::File, true, nullptr, 0},          {L"scan", CliOperands::None, false, nullptr, 0},
    {L"chart", CliOperands::Chart, false, nullptr, 0},      {L"help", CliOperands::None, false, nullptr, 0},
    {L"fleet", CliOperands::Fleet, false, nullptr, 0},
};

std::vector<std::wstring> Words(const std::wstring& line)
{
    std::wistringstream in(line);
    std::vector<std::wstring> words;
    for (std::wstring w; in >> w;)
        words.push_back(w);
    return words;
}

CliArguments Parsed(const std::wstring& line)
{
    CliArguments a;
    std::wstring error;
    EXPECT_TRUE(ParseCliArguments(Words(line), kCommands, a, error)) << std::string(error.begin(), error.end());
    return a;
}

TEST(CliArguments, OptionsStandBeforeOrAfterTheCommand)
{
    for (const wchar_t* line : {L"--port COM5 --baud 9600 info", L"info --port COM5 --baud 9600",
                                L"--port COM5 info --baud 9600"}) {
        const CliArguments a = Parsed(line);
        EXPECT_EQ(a.command, L"info");
        EXPECT_EQ(a.port, L"COM5");
        EXPECT_EQ(a.baud, 9600u);
        EXPECT_TRUE(a.operands.empty());
    }
}

TEST(CliArguments, ReadGapIsTheLinesOrMilliseconds)
{
    EXPECT_EQ(Parsed(L"info --port COM5").readGap, -1);
    EXPECT_EQ(Parsed(L"info --port COM5 --read-gap line").readGap, 0);
    EXPECT_EQ(Parsed(L"info --port COM5 --read-gap 50").readGap, 50);
    EXPECT_EQ(Parsed(L"info --port COM5 --read-gap 1000").readGap, 1000);
}

TEST(CliArguments, RelayPathWithTerminalPortAndBaud)
{
    const CliArguments a =
        Parsed(L"live --relay 127.0.0.1:50010 --terminal 7 --terminal-port 1 --terminal-baud 4800 --count 3 --fast");
    EXPECT_EQ(a.relay, L"127.0.0.1:50010");
    EXPECT_EQ(a.terminal, 7u);
    EXPECT_EQ(a.terminalPort, 1u);
    EXPECT_EQ(a.terminalBaud, 4800u);
    EXPECT_EQ(a.count, 3);
    EXPECT_TRUE(a.fast);
}

TEST(CliArguments, CommandOperandsAndSwitches)
{
    CliArguments a = Parsed(L"settings set angle_threshold=20 output_interval=5 --address 12 --timeout 2.5");
    ASSERT_EQ(a.operands.size(), 3u);
    EXPECT_EQ(a.operands[1], L"angle_threshold=20");
    EXPECT_EQ(a.address, 12);
    EXPECT_DOUBLE_EQ(a.timeout, 2.5);

    a = Parsed(L"address 254 --common off --secondary on");
    EXPECT_EQ(a.operands[0], L"254");
    EXPECT_EQ(a.common, 0);
    EXPECT_EQ(a.secondary, 1);

    a = Parsed(L"settings import backup.json --include-serial --lang ru --trace t.txt");
    EXPECT_TRUE(a.includeSerial);
    EXPECT_FALSE(a.includeAddress);
    EXPECT_EQ(a.language, L"ru");
    EXPECT_EQ(a.trace, L"t.txt");
    a = Parsed(L"live --fast --resources samples.txt");
    EXPECT_EQ(a.resources, L"samples.txt");

    a = Parsed(L"settings set --from edits.txt");
    EXPECT_EQ(a.from, L"edits.txt");
    EXPECT_EQ(a.address, -1);
}

TEST(CliArguments, ScanTakesEveryBaudAndAnAddressRange)
{
    CliArguments a = Parsed(L"scan --port COM5 --baud all --addresses 3-80 --json");
    EXPECT_EQ(a.command, L"scan");
    EXPECT_TRUE(a.allBauds);
    EXPECT_EQ(a.addresses.first, 3u);
    EXPECT_EQ(a.addresses.last, 80u);
    a = Parsed(L"scan --baud 4800");
    EXPECT_FALSE(a.allBauds);
    EXPECT_EQ(a.baud, 4800u);
    EXPECT_EQ(a.addresses.first, 0u);
    EXPECT_EQ(a.addresses.last, 255u);
}

TEST(CliArguments, FleetTakesTheRelayAndItsRunOptions)
{
    const CliArguments plain = Parsed(L"fleet info cars.csv --relay h:50010");
    EXPECT_EQ(plain.operands, (std::vector<std::wstring>{L"info", L"cars.csv"}));
    EXPECT_EQ(plain.jobs, 8u);
    EXPECT_EQ(plain.retries, 2u);
    const CliArguments a =
        Parsed(L"fleet apply cars.csv profile.json --relay h:1 --jobs 3 --retries 0 --report r.json --resume old.csv");
    EXPECT_EQ(a.operands, (std::vector<std::wstring>{L"apply", L"cars.csv", L"profile.json"}));
    EXPECT_EQ(a.jobs, 3u);
    EXPECT_EQ(a.retries, 0u);
    EXPECT_EQ(a.report, L"r.json");
    EXPECT_EQ(a.resume, L"old.csv");
}

TEST(CliArguments, HelpNeedsNoCommandAndWinsOverOperands)
{
    for (const wchar_t* line : {L"--help", L"", L"help", L"help me", L"settings --help", L"address 999 --help"}) {
        const CliArguments a = Parsed(line);
        EXPECT_TRUE(a.help) << std::string(line, line + wcslen(line));
        EXPECT_EQ(a.command, L"help") << "the command that runs";
    }
}

TEST(CliArguments, RefusedLinesSayWhy)
{
    struct Case {
        const wchar_t* line;
        const wchar_t* says;
    };
    const Case cases[] = {
        {L"fly", L"unknown command"},
        {L"info --colour red", L"unknown option"},
        {L"info --port", L"needs a value"},
        // An unknown last word is unknown, not short of a value, and takes no value from the next.
        {L"info --colour", L"unknown option --colour"},
        {L"live --colour --count 3", L"unknown option --colour"},
        {L"info --baud 115200", L"19200, 9600 or 4800"},
        {L"info --port COM1 --relay h:1 --terminal 1", L"exclude each other"},
        {L"info --relay h:1", L"needs --terminal"},
        {L"info --relay hostonly --terminal 1", L"host:port"},
        {L"info --terminal 3", L"belong to --relay"},
        {L"info --relay h:1 --terminal 0", L"above 0"},
        {L"info --relay h:1 --terminal 1 --terminal-port 3", L"1 (RS232) or 2 (RS485)"},
        {L"info --address 256", L"0..254"},
        {L"info --timeout 0", L"above 0"},
        {L"info --timeout soon", L"above 0"},
        {L"info --read-gap 0", L"line or a number of milliseconds, 1..1000"},
        {L"info --read-gap 1001", L"1..1000"},
        {L"info --read-gap fast", L"1..1000"},
        {L"info --lang de", L"en or ru"},
        {L"live --count 0", L"above 0"},
        // Beyond what a count holds on Windows, where it would turn negative (meaning "no count").
        {L"live --count 2147483648", L"at most 2147483647"},
        {L"live --count 4294967295", L"at most 2147483647"},
        {L"info extra", L"no operands"},
        {L"settings", L"get, set, export or import"},
        {L"settings set", L"KEY=VALUE"},
        {L"settings set a=1 --from f", L"not both"},
        {L"settings export", L"FILE"},
        {L"address", L"0..254"},
        {L"address 255", L"not an address"},
        {L"address -1", L"not an address"},
        {L"address 5 --common maybe", L"on or off"},
        {L"test", L"VALUE"},
        {L"test 1x", L"whole number"},
        {L"firmware", L"FILE"},
        {L"log", L"FILE"},
        {L"scan --relay h:1 --terminal 1", L"no --relay"},
        {L"scan --address 3", L"no --address"},
        {L"scan --addresses 9-3", L"FIRST-LAST"},
        {L"scan --baud 1200", L"19200, 9600 or 4800"},
        {L"scan COM5", L"no operands"},
        {L"info --baud all", L"belong to scan"},
        {L"live --addresses 1-2", L"belong to scan"},
        {L"fleet --relay h:1", L"info, backup, apply or firmware"},
        {L"fleet wash cars.csv --relay h:1", L"info, backup, apply or firmware"},
        {L"fleet info --relay h:1", L"the fleet file"},
        {L"fleet apply cars.csv --relay h:1", L"the fleet file and one file"},
        {L"fleet backup cars.csv --relay h:1", L"the fleet file and a folder"},
        {L"fleet info cars.csv", L"needs --relay"},
        {L"fleet info cars.csv --relay h:1 --terminal 5", L"from the fleet file"},
        {L"fleet info cars.csv --relay h:1 --address 5", L"from the fleet file"},
        {L"fleet info cars.csv --relay h:1 --jobs 0", L"1..64"},
        {L"fleet info cars.csv --relay h:1 --jobs 65", L"1..64"},
        {L"fleet info cars.csv --relay h:1 --retries 21", L"0..20"},
        {L"chart --out a.png", L"FILE"},
        {L"chart log.txt", L"--out FILE.png"},
        {L"chart log.txt --out a.png --size 100x600", L"200..4000"},
        {L"chart log.txt --out a.png --size 1000", L"200..4000"},
        {L"chart log.txt --out a.png --size 1000x600x2", L"200..4000"},
        {L"chart log.txt --out a.png --size -300x600", L"200..4000"},
        {L"chart log.txt --out a.png --series angle,colour", L"angle, temperature, lls1"},
        {L"chart log.txt --out a.png --series angle,", L"separated by commas"},
        {L"chart log.txt --out a.png --from -5", L"at least 0"},
        {L"chart log.txt --out a.png --from 1e", L"at least 0"},
        {L"chart log.txt --out a.png --to nan", L"at least 0"},
        {L"chart log.txt --out a.png --from 60 --to 60", L"after --from"},
        {L"chart log.txt --out a.png --to 0", L"after --from"},
        {L"info --out a.png", L"belong to chart"},
        {L"log rows.txt --series angle", L"belong to chart"},
    };
    for (const Case& c : cases) {
        CliArguments a;
        std::wstring error;
        EXPECT_FALSE(ParseCliArguments(Words(c.line), kCommands, a, error)) << std::string(c.line, c.line + wcslen(c.line));
        EXPECT_NE(error.find(c.says), std::wstring::npos)
            << std::string(c.line, c.line + wcslen(c.line)) << " -> " << std::string(error.begin(), error.end());
    }
}

TEST(CliArguments, DefaultTimeoutFollowsTheLinkKind)
{
    EXPECT_LT(DefaultTimeoutSeconds(false), DefaultTimeoutSeconds(true));
    // A relay answer may take the session's full 60 s response time.
    EXPECT_GT(DefaultTimeoutSeconds(true), 60.0);
    // A direct sensor is declared silent by the session after 10 s.
    EXPECT_GT(DefaultTimeoutSeconds(false), 10.0);
}

}  // namespace

namespace {

class LanguageScope
{
public:
    explicit LanguageScope(unsigned short language) { SetResourceLanguage(language); }
    ~LanguageScope() { SetResourceLanguage(kLangEnglish); }
};

TEST(CliArguments, WhatIsWrongIsToldInTheInterfaceLanguage)
{
    LanguageScope russian(kLangRussian);
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"info --baud 1234", L"--baud 1234: скорость: 19200, 9600 или 4800 бод"},
        {L"fly", L"неизвестная команда \"fly\""},
        {L"settings export", L"settings: нужен файл FILE"},
        {L"scan --address 3", L"scan сам перебирает адреса на COM-порту: --relay и --address не указываются"},
    };
    for (const auto& [line, says] : cases) {
        CliArguments a;
        std::wstring error;
        EXPECT_FALSE(ParseCliArguments(Words(line), kCommands, a, error));
        EXPECT_EQ(error, says);
    }
}

TEST(CliArguments, LanguageIsFoundBeforeTheLineIsRead)
{
    EXPECT_EQ(LanguageOption(Words(L"info --lang ru --baud 1")), L"ru");
    EXPECT_EQ(LanguageOption(Words(L"--lang en fly --lang ru")), L"ru");
    EXPECT_EQ(LanguageOption(Words(L"info --lang de")), L"");
    EXPECT_EQ(LanguageOption(Words(L"info --lang")), L"");
}

}  // namespace
