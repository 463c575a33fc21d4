// kivra-cli: the console front end over the same connection manager and sensor session as the window.
#include "ui/app/win32/ThreadLanguage.h"
#include "ui/cli/CliArguments.h"
#include "ui/cli/CliText.h"
#include "ui/cli/HelpText.h"
#include "ui/cli/win32/Commands.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/Interruption.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/resources/cli_ids.h"

#include <map>
#include <string>
#include <vector>

namespace {

using Command = ExitCode (*)(const CliArguments&, CSensorLink&);

const std::map<std::wstring, Command> kConnectedCommands = {
    {L"info", RunInfo},   {L"settings", RunSettings}, {L"live", RunLive}, {L"log", RunDataLog},
    {L"zero", RunZero},   {L"address", RunAddress},   {L"diag", RunDiagnostics},
    {L"test", RunTest},
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    CConsoleOutput output;
    const std::vector<std::wstring> words(argv + 1, argv + argc);
    // --lang chooses for this run only; the window's stored choice is not touched.
    const std::wstring language = LanguageOption(words);
    StartInterfaceLanguage(language == L"en"   ? InterfaceLanguage::English
                           : language == L"ru" ? InterfaceLanguage::Russian
                                               : InterfaceLanguage::NotChosen,
                           LanguageStore::Keep);
    CliArguments arguments;
    std::wstring error;
    if (!ParseCliArguments(words, arguments, error)) {
        output.Err(CliText(IDS_CLI_USAGE_ERROR, {error}));
        return ToInt(ExitCode::Usage);
    }
    if (arguments.help) {
        std::wstring help = CliHelpText();
        help.pop_back();
        output.Out(help);
        return ToInt(ExitCode::Ok);
    }
    if (arguments.command == L"ports")
        return ToInt(RunPorts(output));
    if (arguments.command == L"chart")
        return ToInt(RunChart(arguments, output));

    CatchInterruption();
    if (arguments.command == L"scan")
        return ToInt(RunScan(arguments, output));
    if (arguments.command == L"fleet")
        return ToInt(RunFleetCommand(arguments, output));
    CSensorLink link(arguments, output);
    if (arguments.command == L"firmware")
        return ToInt(RunFirmware(arguments, link));
    const ExitCode connected = link.Connect();
    if (connected != ExitCode::Ok)
        return ToInt(connected);
    return ToInt(kConnectedCommands.at(arguments.command)(arguments, link));
}
