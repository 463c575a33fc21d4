// ports: the COM-port list as the serial connection dialog shows it.
#include "ui/cli/win32/Commands.h"

#include "ui/app/win32/SystemComPorts.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/resources/cli_ids.h"

ExitCode RunPorts(const CliArguments&, CCommandRun& run)
{
    CConsoleOutput& output = run.Output();
    const std::vector<ComPortEntry>& ports = TheComPorts().Entries();
    for (const ComPortEntry& port : ports)
        output.Out(ComPortListText(port));
    if (ports.empty())
        output.Err(L"kivra-cli: " + CliText(IDS_CLI_NO_PORTS));
    return ExitCode::Ok;
}
