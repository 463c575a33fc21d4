// A command of kivra-cli as its command line, its help and its run know it: one row of the
// console program's command table, which is the only place a command is named.
#pragma once

#include "ui/cli/ExitCode.h"

#include <span>
#include <string>

struct CliArguments;
class CCommandRun;

// What must follow a command's name.
enum class CliOperands {
    None,
    File,      // one file name
    Address,   // a network address 0..254
    Number,    // a whole number
    Settings,  // get; set KEY=VALUE... or --from FILE; export FILE; import FILE
    Chart,     // a data-log file, with --out and the chart's other options sound
    Fleet,     // info FLEET; backup FLEET DIR; apply FLEET PROFILE; firmware FLEET IMAGE
};

struct CliCommand {
    const wchar_t* name;
    CliOperands operands;
    // The sensor is connected and has answered with its settings before the command runs.
    bool needsConnection;
    ExitCode (*run)(const CliArguments& arguments, CCommandRun& run);
    // Its first line in the help; its further lines follow at the next ids (cli_ids.h).
    unsigned helpId;
};

using CliCommands = std::span<const CliCommand>;

// The row of that name, or null.
const CliCommand* FindCliCommand(CliCommands commands, const std::wstring& name);
