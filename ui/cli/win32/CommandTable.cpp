// The commands of kivra-cli. A new command is one row here and its help text (an id in
// cli_ids.h, its lines in cli_en.rc and cli_ru.rc); the command line, the help and the run
// all read this table.
#include "ui/cli/win32/Commands.h"

#include "ui/resources/cli_ids.h"

namespace {

const CliCommand kCommands[] = {
    // name, operands, needs a connection, runs it, help text
    {L"info", CliOperands::None, true, RunInfo, IDS_CLI_HELP_INFO},
    {L"settings", CliOperands::Settings, true, RunSettings, IDS_CLI_HELP_SETTINGS},
    {L"live", CliOperands::None, true, RunLive, IDS_CLI_HELP_LIVE},
    {L"log", CliOperands::File, true, RunDataLog, IDS_CLI_HELP_LOG},
    {L"zero", CliOperands::None, true, RunZero, IDS_CLI_HELP_ZERO},
    {L"address", CliOperands::Address, true, RunAddress, IDS_CLI_HELP_ADDRESS},
    {L"diag", CliOperands::None, true, RunDiagnostics, IDS_CLI_HELP_DIAG},
    {L"test", CliOperands::Number, true, RunTest, IDS_CLI_HELP_TEST},
    {L"firmware", CliOperands::File, false, RunFirmware, IDS_CLI_HELP_FIRMWARE},
    {L"ports", CliOperands::None, false, RunPorts, IDS_CLI_HELP_PORTS},
    {L"scan", CliOperands::None, false, RunScan, IDS_CLI_HELP_SCAN},
    {L"chart", CliOperands::Chart, false, RunChart, IDS_CLI_HELP_CHART},
    {L"fleet", CliOperands::Fleet, false, RunFleet, IDS_CLI_HELP_FLEET},
    {L"help", CliOperands::None, false, RunHelp, IDS_CLI_HELP_HELP},
};

}  // namespace

CliCommands KivraCliCommands() { return kCommands; }
