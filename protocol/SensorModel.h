// Sensor models by device type, and what a firmware version can do.
#pragma once

#include <cstdint>

constexpr std::uint32_t kSupportedDeviceType = 3201;

// nullptr for a device type the tool does not know.
const wchar_t* ModelName(std::uint32_t deviceType);

bool IsSupportedModel(std::uint32_t deviceType);

// Output 1 as a frequency output, and the secondary address.
bool HasFrequencyMode(std::uint32_t firmwareVersion);
bool HasSecondaryAddress(std::uint32_t firmwareVersion);
bool HasMagnetDetectors(std::uint32_t firmwareVersion);

// Largest address-flags byte the firmware accepts (bit 1 needs the secondary address).
std::uint8_t AddressFlagsLimit(std::uint32_t firmwareVersion);

// Value codes below this are allowed in the settings.
unsigned ValueCodeLimit(std::uint32_t firmwareVersion);

// How many value codes (from 0 up) the settings pages offer.
unsigned ValueCodeListCount(std::uint32_t firmwareVersion);
