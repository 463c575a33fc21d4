// The settings block a simulated sensor leaves the factory with, and the test it applies to writes.
#pragma once
#include "protocol/SettingsBlock.h"

#include <cstdint>

namespace sim {

SettingsBlock FactorySettings(uint32_t serial, uint8_t address);

// Whether the sensor takes the block, judged against its firmware version.
bool SettingsAcceptable(const SettingsBlock& block, uint32_t firmwareVersion);

}  // namespace sim
