// Display texts of the connection manager: connection states, status suffixes and device names.
#include "remote/ConnectionTexts.h"

#include "remote/SocketErrorNames.h"
#include "runtime/ResourceText.h"
#include "runtime/TString.h"
#include "remote/resources/remote_ids.h"

#include <iterator>
#include <string>

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
}

std::wstring ConnectionStateText(int state, const std::wstring& deviceName)
{
    if (state < 0 || state >= static_cast<int>(std::size(kStateTexts)))
        return std::wstring();
    // Only the texts of states 7 and 8 take the name; the others ignore it.
    TString text;
    text.LoadResource(kStateTexts[state], nullptr, deviceName.c_str());
    return text.Get();
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
    TString text;
    text.LoadResource(IDS_TERMINAL_DEVICE_NAME, nullptr, deviceId, revision, version);
    return text.Get();
}

std::wstring SystemReasonText(uint32_t code)
{
    std::wstring text = TWin32ErrorString(code).Get();
    // The system's texts end with a line break.
    text.erase(text.find_last_not_of(L" \t\r\n") + 1);
    if (!text.empty())
        return text;
    const char* name = SocketErrorName(static_cast<int>(code));
    if (name == nullptr)
        return L"#" + std::to_wstring(code);
    return std::wstring(name, name + std::char_traits<char>::length(name));
}

std::wstring ConnectionLostText(const std::wstring& where, const std::wstring& reason)
{
    TString text;
    text.LoadResource(IDS_CONNECTION_LOST, nullptr, where.c_str());
    return reason.empty() ? std::wstring(text.Get()) : text.Get() + std::wstring(L"\r\n") + reason;
}
