// The COM-port list as the serial connection dialog shows it, built from what the system names as present ports.
#include "ui/app/ComPortList.h"

#include <cwchar>
#include <map>

namespace {

constexpr const wchar_t* kAdapterName = L"Vextora RUV";

// As _wtol on the name from its fourth character: leading digits, 0 without any.
long PortNumber(const std::wstring& portName)
{
    return portName.size() > 3 ? std::wcstol(portName.c_str() + 3, nullptr, 10) : 0;
}

}  // namespace

std::vector<ComPortEntry> BuildComPortList(const std::vector<std::wstring>& friendlyNames,
                                           const std::vector<std::wstring>& deviceMapPorts)
{
    std::map<long, ComPortEntry> byNumber;
    for (const std::wstring& name : friendlyNames) {
        const std::size_t open = name.find(L"(COM");
        if (open == std::wstring::npos)
            continue;
        const std::size_t close = name.find(L')', open + 1);
        if (close == std::wstring::npos)
            continue;
        ComPortEntry entry;
        entry.description = name.substr(0, open);
        entry.portName = name.substr(open + 1, close - open - 1);
        entry.adapterMark = entry.description.find(kAdapterName) != std::wstring::npos;
        byNumber[PortNumber(entry.portName)] = entry;
    }
    // A number a device already holds stays that device's, with its description and mark.
    for (const std::wstring& port : deviceMapPorts) {
        if (!port.empty())
            byNumber.try_emplace(PortNumber(port), ComPortEntry{std::wstring(), port, false});
    }
    std::vector<ComPortEntry> list;
    for (const auto& [number, entry] : byNumber)
        list.push_back(entry);
    return list;
}

std::wstring ComPortListText(const ComPortEntry& entry)
{
    return entry.adapterMark ? entry.portName + L" : Vextora RUV USB" : entry.portName;
}
