// The serial connection dialog's choice: a port of the list and a baud rate, as indices.
#pragma once

#include "ui/app/ComPortList.h"

#include <cstdint>
#include <string>
#include <vector>

struct SerialSelection {
    int portIndex = -1;
    int baudIndex = -1;

    // Both lists have a selection: the choice can be taken.
    bool IsComplete() const { return portIndex >= 0 && baudIndex >= 0; }
};

// The selection for a stored port and rate: a port no longer listed selects the first one,
// a rate not in the list the first rate.
SerialSelection PresetSerialSelection(const std::vector<ComPortEntry>& ports, const std::wstring& portName,
                                      uint32_t baudRate);

// Hands back the chosen port and rate when both indices are in range; false, and both
// left as they were, otherwise.
bool ReadBackSerialSelection(const std::vector<ComPortEntry>& ports, const SerialSelection& selection,
                             std::wstring& portName, uint32_t& baudRate);
