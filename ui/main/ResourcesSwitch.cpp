// The resources switch of kivra.exe's command line.
#include "ui/main/ResourcesSwitch.h"

#include <cwctype>

namespace {
constexpr wchar_t kSwitch[] = L"/resources ";
constexpr std::size_t kSwitchLength = sizeof kSwitch / sizeof kSwitch[0] - 1;
}  // namespace

std::wstring ResourcesFileFromCommandLine(const std::wstring& commandLine)
{
    if (commandLine.size() <= kSwitchLength)
        return {};
    for (std::size_t i = 0; i < kSwitchLength; ++i)
        if (static_cast<wchar_t>(std::towlower(commandLine[i])) != kSwitch[i])
            return {};
    std::wstring file = commandLine.substr(kSwitchLength);
    const std::size_t first = file.find_first_not_of(L' ');
    const std::size_t last = file.find_last_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    file = file.substr(first, last - first + 1);
    if (file.size() >= 2 && file.front() == L'"' && file.back() == L'"')
        file = file.substr(1, file.size() - 2);
    return file;
}
