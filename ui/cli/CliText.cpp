// kivra-cli's own texts from its string tables, in the interface language, for portable code.
#include "ui/cli/CliText.h"

#include "runtime/ResourceText.h"

std::wstring CliText(unsigned id, std::initializer_list<std::wstring> arguments)
{
    return LoadResourceText(id, arguments);
}
