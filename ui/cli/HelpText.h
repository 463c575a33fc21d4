// The --help text of kivra-cli.
#pragma once

#include "ui/cli/CliCommand.h"

#include <string>

// The program and its connection options, each command's lines in the order of commands, the
// exit statuses; every line ends with "\n".
std::wstring CliHelpText(CliCommands commands);
