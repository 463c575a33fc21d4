// The process-wide COM-port list: built on first use, rebuilt after every opening of the serial dialog.
#include "ui/app/ComPorts.h"

#include "ui/app/BaudRates.h"

void CComPorts::Enumerate()
{
    if (m_current)
        return;
    const PresentPorts present = m_source();
    m_entries = BuildComPortList(present.friendlyNames, present.deviceMapPorts);
    m_current = true;
}

const std::vector<ComPortEntry>& CComPorts::Entries()
{
    Enumerate();
    return m_entries;
}

int CComPorts::IndexOfPortName(const std::wstring& name)
{
    Enumerate();
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].portName == name)
            return static_cast<int>(i);
    return -1;
}

int CComPorts::FirstAdapter() const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].adapterMark)
            return static_cast<int>(i);
    return -1;
}

bool CComPorts::PortSettingsValid(const std::wstring& name, uint32_t baudRate)
{
    return IndexOfPortName(name) >= 0 && IndexOfBaudRate(baudRate) >= 0;
}

void CComPorts::ChooseDefault(std::wstring& name, uint32_t& baudRate)
{
    Enumerate();
    int index = FirstAdapter();
    if (index < 0 && !m_entries.empty())
        index = 0;
    if (index >= 0)
        name = m_entries[static_cast<std::size_t>(index)].portName;
    baudRate = kDefaultBaudRate;
}
