// The COM-port list as the serial connection dialog shows it, built from the ports' friendly names.
#pragma once

#include <string>
#include <vector>

struct ComPortEntry {
    std::wstring description;  // the friendly name before "(COM"
    std::wstring portName;     // between "(" and ")"
    bool adapterMark = false;  // the description names the maker's own adapter
};

// Friendly names in enumeration order in, the list out: names without "(COM" or
// without the closing ")" left out, ordered by port number, a later device with
// the same number replacing the earlier.
std::vector<ComPortEntry> BuildComPortList(const std::vector<std::wstring>& friendlyNames);

// A port as the dialog's list shows it: its name, and the adapter's note when marked.
std::wstring ComPortListText(const ComPortEntry& entry);
