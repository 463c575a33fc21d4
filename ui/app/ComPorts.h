// The process-wide COM-port list: built on first use, rebuilt after every opening of the serial dialog.
#pragma once

#include "ui/app/ComPortList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the system names as present ports (see BuildComPortList).
struct PresentPorts {
    std::vector<std::wstring> friendlyNames;
    std::vector<std::wstring> deviceMapPorts;
};

class CComPorts
{
public:
    explicit CComPorts(std::function<PresentPorts()> source) : m_source(std::move(source)) {}

    // Rebuilds the list unless it is current.
    void Enumerate();
    // The next use rebuilds the list (a port plugged in since shows up).
    void Invalidate() { m_current = false; }

    // The entries, enumerated first.
    const std::vector<ComPortEntry>& Entries();
    // Enumerates, then the index of the entry with exactly this name (case counts), or -1.
    int IndexOfPortName(const std::wstring& name);
    // The first entry with the adapter mark, or -1; the list as it stands.
    int FirstAdapter() const;
    // Enumerates; the name is a listed port and the rate one of the baud rates.
    bool PortSettingsValid(const std::wstring& name, uint32_t baudRate);
    // Enumerates; the adapter's port, else the first port, else the name unchanged; the rate the default.
    void ChooseDefault(std::wstring& name, uint32_t& baudRate);

private:
    std::function<PresentPorts()> m_source;
    std::vector<ComPortEntry> m_entries;
    bool m_current = false;
};
