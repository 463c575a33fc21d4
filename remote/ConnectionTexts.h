// Display texts of the connection manager: connection states, status suffixes and device names.
#pragma once

#include <cstdint>
#include <string>

#include "remote/ManagerStates.h"
#include "runtime/ErrorCodes.h"

// Text of a connection state in the current interface language; VersionUnsupported and Connected
// carry the device name.
std::wstring ConnectionStateText(ConnectionState state, const std::wstring& deviceName);
// The suffix shown after the state text for a manager status (empty for None and Idle).
std::wstring StatusSuffixText(ManagerStatus status);
// Name of a directly connected sensor; the same word in both languages.
std::wstring SensorDeviceName();
// Name of an identified on-board terminal.
std::wstring TerminalDeviceName(int32_t deviceId, int32_t revision, int32_t version);

// "Connection via <where> is lost.", then the system's reason for code on its own line (when
// there is one).
std::wstring ConnectionLostText(const std::wstring& where, TErrorCode code);
