// When the IP connection dialog may connect, and the terminal id its text stands for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The id a terminal id text names: a plain non-negative number above 0 that fits the
// manager's 32-bit id; none for anything else (empty, letters, 0, too large).
std::optional<uint32_t> TerminalIdOfText(const std::wstring& text);

struct RelayConnectInputs {
    bool channelExists = false;  // the manager holds a channel already
    std::wstring serverAddress;
    std::wstring terminalIdText;
    int terminalPortIndex = -1;
    int baudIndex = -1;
};

// "Connect" is enabled exactly when this holds.
bool CanConnectThroughRelay(const RelayConnectInputs& inputs);
