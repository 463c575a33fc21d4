// The command line of kivra-cli: connection options, the command with its operands, and its switches.
#pragma once

#include "ui/cli/CliCommand.h"
#include "ui/cli/ScanPlan.h"

#include <cstdint>
#include <string>
#include <vector>

struct CliArguments {
    std::wstring command;                // "help" whenever the help is asked for
    std::vector<std::wstring> operands;  // words after the command that are not options

    // Connection: a direct link, or the relay path; neither means the stored settings.
    std::wstring port;
    uint32_t baud = 0;  // 0: not given
    bool allBauds = false;  // scan: --baud all
    AddressRange addresses;  // scan: --addresses FIRST-LAST
    std::wstring relay;
    uint32_t terminal = 0;
    uint32_t terminalPort = 0;  // 0: not given (1 RS232, 2 RS485)
    uint32_t terminalBaud = 0;
    int address = -1;     // -1: not given (the common address 255)
    double timeout = 0;   // seconds; 0: the default of the link kind
    int readGap = -1;     // -1: not given (the stored setting), 0: sized to the line, else milliseconds
    std::wstring language;  // "en", "ru" or empty
    std::wstring trace;
    std::wstring resources;  // file of the once-a-minute samples of memory and handles

    // Switches of the commands.
    bool help = false;
    bool json = false;
    bool fast = false;
    bool full = false;
    long count = -1;  // -1: not given
    std::wstring from;
    int common = -1;     // -1 not given, 0 off, 1 on
    int secondary = -1;
    bool includeSerial = false;
    bool includeAddress = false;

    // fleet: links at a time, tries after the first, the report to write and the one to resume.
    uint32_t jobs = 8;
    uint32_t retries = 2;
    std::wstring report;
    std::wstring resume;
    // chart: the picture, the end of the stretch drawn, the picture's size and the series, as
    // typed (ChartRequest reads them).
    std::wstring out;
    std::wstring to;
    std::wstring size;
    std::wstring series;
};

// Options may stand before or after the command, one of commands. False with error set when
// the line is not understood (unknown command or option, missing or malformed value, options
// that exclude each other, a command without its operands).
bool ParseCliArguments(const std::vector<std::wstring>& words, CliCommands commands, CliArguments& out,
                       std::wstring& error);

// The value of the last "--lang en" or "--lang ru" among the words, else empty: the language
// is settled before the line is read, so that what is wrong with it is told in that language.
std::wstring LanguageOption(const std::vector<std::wstring>& words);

// The rules of the option values, which the lists of vehicles follow too: a whole number of at
// most 32 bits, written plainly; one of the sensor's baud rates.
bool ReadCliNumber(const std::wstring& text, uint32_t& value);
bool IsCliBaudRate(uint32_t rate);

// Default time-out of a link kind: how long any one step may wait for the sensor.
double DefaultTimeoutSeconds(bool relay);
