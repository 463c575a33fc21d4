// The serial connection dialog's choice: a port of the list and a baud rate, as indices.
#include "ui/dialogs/SerialSelection.h"

#include "ui/app/BaudRates.h"

SerialSelection PresetSerialSelection(const std::vector<ComPortEntry>& ports, const std::wstring& portName,
                                      uint32_t baudRate)
{
    SerialSelection selection;
    for (std::size_t i = 0; i < ports.size() && selection.portIndex < 0; ++i)
        if (ports[i].portName == portName)
            selection.portIndex = static_cast<int>(i);
    if (selection.portIndex < 0 && !ports.empty())
        selection.portIndex = 0;
    selection.baudIndex = IndexOfBaudRate(baudRate);
    if (selection.baudIndex < 0)
        selection.baudIndex = 0;
    return selection;
}

bool ReadBackSerialSelection(const std::vector<ComPortEntry>& ports, const SerialSelection& selection,
                             std::wstring& portName, uint32_t& baudRate)
{
    if (selection.portIndex < 0 || selection.portIndex >= static_cast<int>(ports.size()) ||
        selection.baudIndex < 0 || selection.baudIndex >= kBaudRateCount)
        return false;
    portName = ports[static_cast<std::size_t>(selection.portIndex)].portName;
    baudRate = kBaudRates[selection.baudIndex];
    return true;
}
