// The COM-port list as the serial connection dialog shows it, built from what the system names as present ports.
#pragma once

#include <string>
#include <vector>

struct ComPortEntry {
    std::wstring description;  // the friendly name before "(COM"
    std::wstring portName;     // between "(" and ")"
    bool adapterMark = false;  // the description names the maker's own adapter
};

// Friendly names of the ports' device class in enumeration order in, the list out: names without
// "(COM" or without the closing ")" left out, ordered by port number, a later device with the same
// number replacing the earlier. Ports the serial device map names and no friendly name does are
// added without a description: a port mapped by hand (Wine's own ports, some drivers) has no device
// behind it, yet it opens.
std::vector<ComPortEntry> BuildComPortList(const std::vector<std::wstring>& friendlyNames,
                                           const std::vector<std::wstring>& deviceMapPorts = {});

// A port as the dialog's list shows it: its name, and the adapter's note when marked.
std::wstring ComPortListText(const ComPortEntry& entry);
