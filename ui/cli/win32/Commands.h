// The commands of kivra-cli: the table that names them, and what runs each.
#pragma once

#include "ui/cli/CliArguments.h"
#include "ui/cli/ExitCode.h"

#include "runtime/RefCount.h"

#include <string>

class CCommandRun;
class CFirmwareFile;

// Every command in the order of the help.
CliCommands KivraCliCommands();

// Over the connected link.
ExitCode RunInfo(const CliArguments& arguments, CCommandRun& run);
ExitCode RunSettings(const CliArguments& arguments, CCommandRun& run);
ExitCode RunLive(const CliArguments& arguments, CCommandRun& run);
ExitCode RunDataLog(const CliArguments& arguments, CCommandRun& run);
ExitCode RunZero(const CliArguments& arguments, CCommandRun& run);
ExitCode RunAddress(const CliArguments& arguments, CCommandRun& run);
ExitCode RunDiagnostics(const CliArguments& arguments, CCommandRun& run);
ExitCode RunTest(const CliArguments& arguments, CCommandRun& run);
// Checks the image file before the link is opened: a bad file needs no sensor.
ExitCode RunFirmware(const CliArguments& arguments, CCommandRun& run);
// No link: the port list.
ExitCode RunPorts(const CliArguments& arguments, CCommandRun& run);
// The image file opened and checked; false with why ("FILE: what the loader says") when it is no image.
bool LoadFirmwareImage(const std::wstring& path, CRefPtr<CFirmwareFile>& image, std::wstring& why);
// A link per vehicle of a list, several at a time: info, backup, apply or firmware.
ExitCode RunFleet(const CliArguments& arguments, CCommandRun& run);
// No link: a data-log file drawn as a chart picture.
ExitCode RunChart(const CliArguments& arguments, CCommandRun& run);
// Its own line: every address of a COM port, at one baud rate or at each.
ExitCode RunScan(const CliArguments& arguments, CCommandRun& run);
// No link: the help generated from the table.
ExitCode RunHelp(const CliArguments& arguments, CCommandRun& run);
