// help, --help: the help generated from the command table.
#include "ui/cli/win32/Commands.h"

#include "ui/cli/HelpText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"

ExitCode RunHelp(const CliArguments&, CCommandRun& run)
{
    std::wstring help = CliHelpText(KivraCliCommands());
    // The console adds the last line's end.
    help.pop_back();
    run.Output().Out(help);
    return ExitCode::Ok;
}
