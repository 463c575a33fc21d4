// Texts the main window composes from the string table and the connection manager.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/ErrorCodes.h"

// The program's version, appended to the window caption.
constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 6;

// The template caption followed by a blank and the version.
std::wstring CaptionWithVersion(const std::wstring& caption);

// "COM5 : 19200": where a direct connection goes.
std::wstring ConnectionParametersText(const std::wstring& port, std::uint32_t baudRate);

// The sensor-address combo: item 0 the common address 255, item k (1 to 255) address k - 1,
// which is the session's own reading of an address index.
std::vector<std::wstring> AddressComboItems();

// A COM port that would not open: the product's words naming the port, then the system's own
// reason for code on a line of its own when there is one.
std::wstring ConnectFailedMessage(const std::wstring& port, TErrorCode code);

// A settings profile that could not be saved, read or imported: the product's words naming the
// file, then each of details (the system's reason, or every wrong value with why) on a line of
// its own.
std::wstring SettingsProfileMessage(unsigned stringId, const std::wstring& path,
                                    const std::vector<std::wstring>& details);
