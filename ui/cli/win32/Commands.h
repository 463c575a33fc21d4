// The commands of kivra-cli; each runs over a connected link and says how it ended.
#pragma once

#include "ui/cli/CliArguments.h"
#include "ui/cli/ExitCode.h"

class CConsoleOutput;
class CSensorLink;

ExitCode RunInfo(const CliArguments& arguments, CSensorLink& link);
ExitCode RunSettings(const CliArguments& arguments, CSensorLink& link);
ExitCode RunLive(const CliArguments& arguments, CSensorLink& link);
ExitCode RunDataLog(const CliArguments& arguments, CSensorLink& link);
ExitCode RunZero(const CliArguments& arguments, CSensorLink& link);
ExitCode RunAddress(const CliArguments& arguments, CSensorLink& link);
ExitCode RunDiagnostics(const CliArguments& arguments, CSensorLink& link);
ExitCode RunTest(const CliArguments& arguments, CSensorLink& link);
// Checks the image file before the link is opened: a bad file needs no sensor.
ExitCode RunFirmware(const CliArguments& arguments, CSensorLink& link);
// No link: the port list.
ExitCode RunPorts(CConsoleOutput& output);
// No link: a data-log file drawn as a chart picture.
ExitCode RunChart(const CliArguments& arguments, CConsoleOutput& output);
// Its own link: every address of a COM port, at one baud rate or at each.
ExitCode RunScan(const CliArguments& arguments, CConsoleOutput& output);

