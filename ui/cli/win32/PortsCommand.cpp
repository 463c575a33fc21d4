// ports: the COM-port list as the serial connection dialog shows it.
#include "ui/cli/win32/Commands.h"

#include "ui/app/win32/SystemComPorts.h"
#include "ui/cli/win32/ConsoleOutput.h"

ExitCode RunPorts(CConsoleOutput& output)
{
    const std::vector<ComPortEntry>& ports = TheComPorts().Entries();
    for (const ComPortEntry& port : ports)
        output.Out(ComPortListText(port));
    if (ports.empty())
        output.Err(L"kivra-cli: no COM ports found");
    return ExitCode::Ok;
}
