// kivra-cli: the console front end over the same connection manager and sensor session as the window.
#include "ui/app/win32/ThreadLanguage.h"
#include "ui/cli/CliArguments.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/Commands.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/resources/cli_ids.h"

#include <string>
#include <vector>

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
    if (!ParseCliArguments(words, KivraCliCommands(), arguments, error)) {
        output.Err(CliText(IDS_CLI_USAGE_ERROR, {error}));
        return ToInt(ExitCode::Usage);
    }
    const CliCommand& command = *FindCliCommand(KivraCliCommands(), arguments.command);
    CCommandRun run(arguments, output);
    if (command.needsConnection) {
        const ExitCode connected = run.Link().Connect();
        if (connected != ExitCode::Ok)
            return ToInt(connected);
    }
    return ToInt(command.run(arguments, run));
}
