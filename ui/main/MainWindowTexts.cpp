// Texts the main window composes from the string table and the connection manager.
#include "ui/main/MainWindowTexts.h"

#include "protocol/FormatText.h"
#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"
#include "runtime/TString.h"
#include "ui/resources/resource.h"

namespace {
constexpr unsigned kAddressItems = 256;
}

std::wstring CaptionWithVersion(const std::wstring& caption)
{
    return caption + FormatText(L" %d.%d", kVersionMajor, kVersionMinor);
}

std::wstring ConnectionParametersText(const std::wstring& port, std::uint32_t baudRate)
{
    return port + FormatText(L" : %u", unsigned(baudRate));
}

std::vector<std::wstring> AddressComboItems()
{
    std::vector<std::wstring> items;
    items.reserve(kAddressItems);
    items.push_back(LoadResourceText(IDS_ADDRESS_COMMON));
    for (unsigned address = 0; address + 1 < kAddressItems; ++address)
        items.push_back(FormatText(L"%u", address));
    return items;
}

std::wstring ConnectFailedMessage(const std::wstring& port, TErrorCode code)
{
    TString text;
    text.LoadResource(IDS_CONNECT_FAILED, nullptr, port.c_str());
    return WithSystemReason(text.Get(), code);
}

std::wstring SettingsProfileMessage(unsigned stringId, const std::wstring& path,
                                    const std::vector<std::wstring>& details)
{
    TString text;
    text.LoadResource(stringId, nullptr, path.c_str());
    std::wstring message = text.Get();
    for (const std::wstring& detail : details)
        if (!detail.empty())
            message += L"\r\n" + detail;
    return message;
}
