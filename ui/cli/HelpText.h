// The --help text of kivra-cli.
#pragma once

#include <string>

std::wstring CliHelpText();
