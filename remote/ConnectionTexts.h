// Display texts of the connection manager: connection states, status suffixes and device names.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/ErrorCodes.h"

// Text of connection state 0..8 in the current interface language; states 7 and 8
// carry the device name.
std::wstring ConnectionStateText(int state, const std::wstring& deviceName);
// The suffix shown after the state text for terminal status 0..5 (empty for 0 and 4).
std::wstring StatusSuffixText(int status);
// Name of a directly connected sensor; the same word in both languages.
std::wstring SensorDeviceName();
// Name of an identified on-board terminal.
std::wstring TerminalDeviceName(int32_t deviceId, int32_t revision, int32_t version);

// "Connection via <where> is lost.", then the system's reason for code on its own line (when
// there is one).
std::wstring ConnectionLostText(const std::wstring& where, TErrorCode code);
