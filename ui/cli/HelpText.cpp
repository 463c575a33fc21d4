// The --help text of kivra-cli, from its string tables.
#include "ui/cli/HelpText.h"

#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

std::wstring CliHelpText()
{
    std::wstring text;
    for (unsigned id = IDS_CLI_HELP_FIRST; id <= IDS_CLI_HELP_LAST; ++id)
        text += CliText(id) + L"\n";
    return text;
}
