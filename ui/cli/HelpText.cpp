// The --help text of kivra-cli, from its string tables and its command table.
#include "ui/cli/HelpText.h"

#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

namespace {
void AppendLines(std::wstring& text, unsigned first, unsigned last)
{
    for (unsigned id = first; id <= last; ++id)
        text += CliText(id) + L"\n";
}
}  // namespace

std::wstring CliHelpText(CliCommands commands)
{
    std::wstring text;
    AppendLines(text, IDS_CLI_HELP_HEAD_FIRST, IDS_CLI_HELP_HEAD_LAST);
    for (const CliCommand& command : commands)
        for (unsigned id = command.helpId; !CliText(id).empty(); ++id)
            text += CliText(id) + L"\n";
    AppendLines(text, IDS_CLI_HELP_TAIL_FIRST, IDS_CLI_HELP_TAIL_LAST);
    return text;
}
