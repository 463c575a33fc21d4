// A command of kivra-cli found by its name.
#include "ui/cli/CliCommand.h"

const CliCommand* FindCliCommand(CliCommands commands, const std::wstring& name)
{
    for (const CliCommand& command : commands)
        if (name == command.name)
            return &command;
    return nullptr;
}
