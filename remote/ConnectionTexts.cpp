// Display texts of the connection manager: connection states, status suffixes and device names.
#include "remote/ConnectionTexts.h"

#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"
#include "runtime/TString.h"
#include "remote/resources/remote_ids.h"

#include <iterator>
#include <string>

namespace
{
// In ConnectionState order.
constexpr unsigned kStateTexts[] = {
    IDS_CONN_NOT_SET,           IDS_CONN_SERVER_CONNECTING,   IDS_CONN_READING_TERMINALS,
    IDS_CONN_SERVER_READY,      IDS_CONN_SERVER_READY,        IDS_CONN_TERMINAL_CONNECTING,
    IDS_CONN_TERMINAL_CONNECTING, IDS_CONN_VERSION_UNSUPPORTED, IDS_CONN_DEVICE_CONNECTED,
};

// In ManagerStatus order; 0 stands for the empty suffix.
constexpr unsigned kSuffixTexts[] = {
    0, IDS_SUFFIX_INITIALIZATION, IDS_SUFFIX_READING, IDS_SUFFIX_WRITING, 0, IDS_SUFFIX_TRANSPARENT,
};

static_assert(std::size(kStateTexts) == static_cast<std::size_t>(ConnectionState::Connected) + 1);
static_assert(std::size(kSuffixTexts) == static_cast<std::size_t>(ManagerStatus::Transparent) + 1);
}

std::wstring ConnectionStateText(ConnectionState state, const std::wstring& deviceName)
{
    // Only the texts of the last two states take the name; the others ignore it.
    TString text;
    text.LoadResource(kStateTexts[static_cast<std::size_t>(state)], nullptr, deviceName.c_str());
    return text.Get();
}

std::wstring StatusSuffixText(ManagerStatus status)
{
    const unsigned id = kSuffixTexts[static_cast<std::size_t>(status)];
    return id == 0 ? std::wstring() : LoadResourceText(id);
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

std::wstring ConnectionLostText(const std::wstring& where, TErrorCode code)
{
    TString text;
    text.LoadResource(IDS_CONNECTION_LOST, nullptr, where.c_str());
    return WithSystemReason(text.Get(), code);
}
