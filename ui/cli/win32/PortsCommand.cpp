// ports: the COM-port list as the serial connection dialog shows it.
#include "ui/cli/win32/Commands.h"

#include "ui/cli/ComPortList.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SetupApiPorts.h"

ExitCode RunPorts(CConsoleOutput& output)
{
    const std::vector<ComPortEntry> ports = BuildComPortList(PresentPortFriendlyNames());
    for (const ComPortEntry& port : ports)
        output.Out(ComPortListText(port));
    if (ports.empty())
        output.Err(L"kivra-cli: no COM ports found");
    return ExitCode::Ok;
}
