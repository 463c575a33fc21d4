// The list of vehicles a fleet command works through: CSV with a header line, or a JSON array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One vehicle's way to its sensor; 0 and -1 stand for kivra-cli's defaults, as its options do.
struct FleetVehicle {
    uint32_t terminal = 0;
    uint32_t terminalPort = 0;
    uint32_t terminalBaud = 0;
    int address = -1;
    std::wstring label;
    std::size_t line = 0;  // where it stands in the file
};

// CSV whose header names the columns (terminal required; terminal_port, terminal_baud, address,
// label), or the same keys in the objects of a JSON array (a text that starts with "["). errors
// gets one text for each bad row, named with its line ("line 4: address "300": ..."), and for a
// terminal listed twice; false when there is any, or no vehicle at all.
bool ReadFleetText(const std::wstring& text, std::vector<FleetVehicle>& vehicles, std::vector<std::wstring>& errors);
