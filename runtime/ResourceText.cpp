// Copies of string-table entries.
#include "runtime/ResourceText.h"

std::wstring LoadResourceText(unsigned id) { return std::wstring(FindResourceString(nullptr, id)); }

std::wstring LoadResourceText(unsigned id, std::initializer_list<std::wstring> arguments)
{
    const std::wstring_view format = FindResourceString(nullptr, id);
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
