// Display texts of the connection manager: connection states, status suffixes and device names.
#include "remote/ConnectionTexts.h"

#include "runtime/ResourceText.h"
#include "ui/resources/resource.h"

#include <initializer_list>
#include <iterator>
#include <string_view>

namespace
{
constexpr unsigned kStateTexts[] = {
    IDS_CONN_NOT_SET,           IDS_CONN_SERVER_CONNECTING,   IDS_CONN_READING_TERMINALS,
    IDS_CONN_SERVER_READY,      IDS_CONN_SERVER_READY,        IDS_CONN_TERMINAL_CONNECTING,
    IDS_CONN_TERMINAL_CONNECTING, IDS_CONN_VERSION_UNSUPPORTED, IDS_CONN_DEVICE_CONNECTED,
};

// 0 stands for the empty suffix.
constexpr unsigned kSuffixTexts[] = {
    0, IDS_SUFFIX_INITIALIZATION, IDS_SUFFIX_READING, IDS_SUFFIX_WRITING, 0, IDS_SUFFIX_TRANSPARENT,
};

// Puts the arguments in place of the text's conversions (%s, %d, %u) in order;
// "%%" stands for "%". The texts come from the string table, so only these occur.
std::wstring Substitute(std::wstring_view format, std::initializer_list<std::wstring> arguments)
{
    std::wstring text;
    auto argument = arguments.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != L'%' || i + 1 == format.size()) {
            text += format[i];
            continue;
        }
        const wchar_t conversion = format[++i];
        if (conversion == L'%')
            text += L'%';
        else if (argument != arguments.end())
            text += *argument++;
    }
    return text;
}
}

std::wstring ConnectionStateText(int state, const std::wstring& deviceName)
{
    if (state < 0 || state >= static_cast<int>(std::size(kStateTexts)))
        return std::wstring();
    return Substitute(LoadResourceText(kStateTexts[state]), {deviceName});
}

std::wstring StatusSuffixText(int status)
{
    if (status < 0 || status >= static_cast<int>(std::size(kSuffixTexts)) || kSuffixTexts[status] == 0)
        return std::wstring();
    return LoadResourceText(kSuffixTexts[status]);
}

std::wstring SensorDeviceName()
{
    return L"\u0414\u0430\u0442\u0447\u0438\u043A";
}

std::wstring TerminalDeviceName(int32_t deviceId, int32_t revision, int32_t version)
{
    return Substitute(LoadResourceText(IDS_TERMINAL_DEVICE_NAME),
                      {std::to_wstring(deviceId), std::to_wstring(revision), std::to_wstring(version)});
}
