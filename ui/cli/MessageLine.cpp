// A message-box text as one console line.
#include "ui/cli/MessageLine.h"

#include "ui/cli/LiveLine.h"

std::wstring MessageLine(const std::wstring& text)
{
    std::wstring line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            ++i;
        line += text[i] == L'\r' || text[i] == L'\n' ? L' ' : text[i];
    }
    return TrimBlanks(line);
}
