// The commands of kivra-cli; each runs over a connected link and says how it ended.
#pragma once

#include "ui/cli/CliArguments.h"
#include "ui/cli/ExitCode.h"

#include "runtime/RefCount.h"

#include <string>

class CConsoleOutput;
class CFirmwareFile;
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
// The image file opened and checked; false with why ("FILE: what the loader says") when it is no image.
bool LoadFirmwareImage(const std::wstring& path, CRefPtr<CFirmwareFile>& image, std::wstring& why);
// No link: the port list.
ExitCode RunPorts(CConsoleOutput& output);
// A link per vehicle of a list, several at a time: info, backup, apply or firmware.
ExitCode RunFleetCommand(const CliArguments& arguments, CConsoleOutput& output);
// No link: a data-log file drawn as a chart picture.
ExitCode RunChart(const CliArguments& arguments, CConsoleOutput& output);
// Its own link: every address of a COM port, at one baud rate or at each.
ExitCode RunScan(const CliArguments& arguments, CConsoleOutput& output);

