// kivra-cli's own texts from its string tables, in the interface language, for portable code.
#include "ui/cli/CliText.h"

#include "runtime/ResourceText.h"

std::wstring CliText(unsigned id, std::initializer_list<std::wstring> arguments)
{
    const std::wstring format = LoadResourceText(id);
    std::wstring text;
    const std::wstring* next = arguments.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'%' && i + 1 < format.size() && (format[i + 1] == L's' || format[i + 1] == L'%')) {
            if (format[++i] == L'%')
                text += L'%';
            else if (next != arguments.end())
                text += *next++;
            continue;
        }
        text += format[i];
    }
    return text;
}
