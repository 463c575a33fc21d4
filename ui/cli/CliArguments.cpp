// The command line of kivra-cli: connection options, the command with its operands, and its switches.
#include "ui/cli/CliArguments.h"

#include "protocol/PlainNumber.h"
#include "runtime/SerialReadGap.h"
#include "ui/cli/ChartRequest.h"
#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

#include <cwchar>

namespace {

// Options followed by a value; any other word starting with "--" that is no switch is unknown.
const wchar_t* const kValueOptions[] = {L"port",  L"baud",    L"relay", L"terminal", L"terminal-port",
                                        L"terminal-baud", L"address", L"timeout", L"lang",
                                        L"trace", L"count",   L"from",  L"common",   L"secondary",
                                        L"resources", L"addresses", L"jobs", L"retries", L"report",
                                        L"resume", L"out", L"to", L"size", L"series", L"read-gap"};

// The largest count a long holds on every build (it is 32 bits wide on Windows).
constexpr uint32_t kMaxCount = 0x7FFFFFFF;
// More links at once than this would only queue at the relay server.
constexpr uint32_t kMaxJobs = 64;
constexpr uint32_t kMaxRetries = 20;

bool IsOneOf(const std::wstring& word, const auto& list)
{
    for (const wchar_t* item : list)
        if (word == item)
            return true;
    return false;
}

bool ReadSwitch(const std::wstring& text, int& value)
{
    if (text == L"on")
        value = 1;
    else if (text == L"off")
        value = 0;
    else
        return false;
    return true;
}

bool CheckSettingsOperands(const CliArguments& a, std::wstring& error)
{
    const auto need = [&](std::size_t count, unsigned what) {
        if (a.operands.size() == count)
            return true;
        error = CliText(IDS_CLI_ARG_NEEDS, {a.command, CliText(what)});
        return false;
    };
    const std::wstring sub = a.operands.empty() ? L"" : a.operands[0];
    if (sub == L"get")
        return need(1, IDS_CLI_ARG_NOTHING_AFTER_GET);
    if (sub == L"set") {
        if (a.operands.size() > 1 && !a.from.empty()) {
            error = CliText(IDS_CLI_ARG_SET_NOT_BOTH);
            return false;
        }
        if (a.operands.size() > 1 || !a.from.empty())
            return true;
        error = CliText(IDS_CLI_ARG_SET_NEEDS);
        return false;
    }
    if (sub == L"export" || sub == L"import")
        return need(2, IDS_CLI_ARG_A_FILE);
    error = CliText(IDS_CLI_ARG_SETTINGS_NEEDS);
    return false;
}

// Checks the operands the command's row asks for once the whole line is read.
bool CheckOperands(const CliArguments& a, CliOperands operands, std::wstring& error)
{
    const auto need = [&](std::size_t count, unsigned what) {
        if (a.operands.size() == count)
            return true;
        error = CliText(IDS_CLI_ARG_NEEDS, {a.command, CliText(what)});
        return false;
    };
    uint32_t number = 0;
    switch (operands) {
    case CliOperands::Settings:
        return CheckSettingsOperands(a, error);
    case CliOperands::Address:
        if (!need(1, IDS_CLI_ARG_NEW_ADDRESS))
            return false;
        if (!ReadCliNumber(a.operands[0], number) || number > 254) {
            error = CliText(IDS_CLI_ARG_NOT_ADDRESS, {a.operands[0]});
            return false;
        }
        return true;
    case CliOperands::Number:
        if (!need(1, IDS_CLI_ARG_A_VALUE))
            return false;
        if (!ReadCliNumber(a.operands[0], number)) {
            error = CliText(IDS_CLI_ARG_NOT_NUMBER, {a.operands[0]});
            return false;
        }
        return true;
    case CliOperands::File:
        return need(1, IDS_CLI_ARG_A_FILE);
    case CliOperands::Fleet: {
        const std::wstring sub = a.operands.empty() ? L"" : a.operands[0];
        if (sub == L"info")
            return need(2, IDS_CLI_ARG_FLEET_FILE);
        if (sub == L"backup" || sub == L"apply" || sub == L"firmware")
            return need(3, sub == L"backup" ? IDS_CLI_ARG_FLEET_FOLDER : IDS_CLI_ARG_FLEET_FILES);
        error = CliText(IDS_CLI_ARG_FLEET_NEEDS);
        return false;
    }
    case CliOperands::Chart: {
        ChartRequest request;
        return need(1, IDS_CLI_ARG_A_FILE) && MakeChartRequest(a, request, error);
    }
    case CliOperands::None:
        break;
    }
    return need(0, IDS_CLI_ARG_NO_OPERANDS);
}

}  // namespace

bool IsCliBaudRate(uint32_t rate) { return rate == 19200 || rate == 9600 || rate == 4800; }

bool ReadCliNumber(const std::wstring& text, uint32_t& value)
{
    if (!IsPlainNumber(text, PlainNumberKind::Unsigned) || text.size() > 10)
        return false;
    const unsigned long long v = std::wcstoull(text.c_str(), nullptr, 10);
    if (v > 0xFFFFFFFFull)
        return false;
    value = static_cast<uint32_t>(v);
    return true;
}

std::wstring LanguageOption(const std::vector<std::wstring>& words)
{
    std::wstring language;
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i] == L"--lang" && (words[i + 1] == L"en" || words[i + 1] == L"ru"))
            language = words[i + 1];
    return language;
}

double DefaultTimeoutSeconds(bool relay) { return relay ? 150.0 : 15.0; }

bool ParseCliArguments(const std::vector<std::wstring>& words, CliCommands commands, CliArguments& out,
                       std::wstring& error)
{
    CliArguments a;
    const CliCommand* command = nullptr;
    bool addressesGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::wstring& word = words[i];
        if (word.size() < 2 || word.compare(0, 2, L"--") != 0) {
            if (!command) {
                command = FindCliCommand(commands, word);
                if (!command) {
                    error = CliText(IDS_CLI_ARG_UNKNOWN_COMMAND, {word});
                    return false;
                }
                a.command = word;
            } else {
                a.operands.push_back(word);
            }
            continue;
        }
        const std::wstring name = word.substr(2);
        // Switches without a value.
        bool* flag = name == L"help"              ? &a.help
                     : name == L"json"            ? &a.json
                     : name == L"fast"            ? &a.fast
                     : name == L"full"            ? &a.full
                     : name == L"include-serial"  ? &a.includeSerial
                     : name == L"include-address" ? &a.includeAddress
                                                  : nullptr;
        if (flag) {
            *flag = true;
            continue;
        }
        if (!IsOneOf(name, kValueOptions)) {
            error = CliText(IDS_CLI_ARG_UNKNOWN_OPTION, {word});
            return false;
        }
        if (i + 1 >= words.size()) {
            error = CliText(IDS_CLI_ARG_NEEDS_VALUE, {word});
            return false;
        }
        const std::wstring& value = words[++i];
        uint32_t number = 0;
        const auto bad = [&](unsigned rule) {
            error = CliText(IDS_CLI_ARG_BAD_VALUE, {word, value, CliText(rule)});
            return false;
        };
        if (name == L"port") {
            a.port = value;
        } else if (name == L"baud") {
            a.allBauds = value == L"all";
            if (!a.allBauds && (!ReadCliNumber(value, a.baud) || !IsCliBaudRate(a.baud)))
                return bad(IDS_CLI_ARG_BAUD);
        } else if (name == L"relay") {
            if (value.find(L':') == std::wstring::npos || value.back() == L':' || value.front() == L':')
                return bad(IDS_CLI_ARG_RELAY);
            a.relay = value;
        } else if (name == L"terminal") {
            if (!ReadCliNumber(value, a.terminal) || a.terminal == 0)
                return bad(IDS_CLI_ARG_TERMINAL);
        } else if (name == L"terminal-port") {
            if (!ReadCliNumber(value, a.terminalPort) || a.terminalPort < 1 || a.terminalPort > 2)
                return bad(IDS_CLI_ARG_TERMINAL_PORT);
        } else if (name == L"terminal-baud") {
            if (!ReadCliNumber(value, a.terminalBaud) || !IsCliBaudRate(a.terminalBaud))
                return bad(IDS_CLI_ARG_BAUD);
        } else if (name == L"address") {
            if (!ReadCliNumber(value, number) || number > 255)
                return bad(IDS_CLI_ARG_ADDRESS);
            a.address = static_cast<int>(number);
        } else if (name == L"timeout") {
            wchar_t* end = nullptr;
            a.timeout = std::wcstod(value.c_str(), &end);
            if (value.empty() || *end != L'\0' || !(a.timeout > 0) || a.timeout > 86400)
                return bad(IDS_CLI_ARG_TIMEOUT);
        } else if (name == L"read-gap") {
            if (value == L"line")
                number = kReadGapSizedToLine;
            else if (!ReadCliNumber(value, number) || number == 0 || number > kLongestReadGapMs)
                return bad(IDS_CLI_ARG_READ_GAP);
            a.readGap = static_cast<int>(number);
        } else if (name == L"lang") {
            if (value != L"en" && value != L"ru")
                return bad(IDS_CLI_ARG_LANG);
            a.language = value;
        } else if (name == L"addresses") {
            if (!ParseAddressRange(value, a.addresses))
                return bad(IDS_CLI_ARG_ADDRESSES);
            addressesGiven = true;
        } else if (name == L"trace") {
            a.trace = value;
        } else if (name == L"resources") {
            a.resources = value;
        } else if (name == L"count") {
            if (!ReadCliNumber(value, number) || number == 0 || number > kMaxCount)
                return bad(IDS_CLI_ARG_COUNT);
            a.count = static_cast<long>(number);
        } else if (name == L"jobs") {
            if (!ReadCliNumber(value, a.jobs) || a.jobs == 0 || a.jobs > kMaxJobs)
                return bad(IDS_CLI_ARG_JOBS);
        } else if (name == L"retries") {
            if (!ReadCliNumber(value, a.retries) || a.retries > kMaxRetries)
                return bad(IDS_CLI_ARG_RETRIES);
        } else if (name == L"report") {
            a.report = value;
        } else if (name == L"resume") {
            a.resume = value;
        } else if (name == L"from") {
            a.from = value;
        } else if (name == L"out") {
            a.out = value;
        } else if (name == L"to") {
            a.to = value;
        } else if (name == L"size") {
            a.size = value;
        } else if (name == L"series") {
            a.series = value;
        } else if (name == L"common") {
            if (!ReadSwitch(value, a.common))
                return bad(IDS_CLI_ARG_ON_OFF);
        } else if (name == L"secondary") {
            if (!ReadSwitch(value, a.secondary))
                return bad(IDS_CLI_ARG_ON_OFF);
        }
    }
    if (!a.port.empty() && !a.relay.empty()) {
        error = CliText(IDS_CLI_ARG_PORT_OR_RELAY);
        return false;
    }
    // A fleet command takes each vehicle's terminal and address from its list.
    const bool fleet = command && command->operands == CliOperands::Fleet;
    if (fleet && (a.terminal || !a.port.empty() || a.address >= 0)) {
        error = CliText(IDS_CLI_ARG_FLEET_LINK);
        return false;
    }
    if (fleet && a.relay.empty() && !a.help) {
        error = CliText(IDS_CLI_ARG_FLEET_RELAY);
        return false;
    }
    if (!a.relay.empty() && a.terminal == 0 && !fleet) {
        error = CliText(IDS_CLI_ARG_RELAY_TERMINAL);
        return false;
    }
    if (a.relay.empty() && (a.terminal || a.terminalPort || a.terminalBaud)) {
        error = CliText(IDS_CLI_ARG_TERMINAL_RELAY);
        return false;
    }
    // Once the connection options are sound, the help wins over the command and its operands.
    const auto help = [&] {
        a.help = true;
        a.command = L"help";
        out = a;
        return true;
    };
    if (a.help)
        return help();
    if (a.command == L"scan" && (!a.relay.empty() || a.address >= 0)) {
        error = CliText(IDS_CLI_ARG_SCAN_LINK);
        return false;
    }
    if (a.command != L"scan" && (a.allBauds || addressesGiven)) {
        error = CliText(IDS_CLI_ARG_SCAN_ONLY);
        return false;
    }
    if (a.command != L"chart" && (!a.out.empty() || !a.to.empty() || !a.size.empty() || !a.series.empty())) {
        error = CliText(IDS_CLI_ARG_CHART_ONLY);
        return false;
    }
    if (!command || a.command == L"help")
        return help();
    if (!CheckOperands(a, command->operands, error))
        return false;
    out = a;
    return true;
}
