// The rules a settings block must meet before it may be written to a sensor.
#pragma once

#include "protocol/SettingsBlock.h"

#include <cstdint>

bool IsZeroReferenceInRange(const float (&vector)[3]);

// Kind at most 2, delay at most 32767, low above -32768 and not above high.
bool IsRangeRecordValid(const RangeRecord& range);

// Both records valid and their kinds compatible with their ranges.
bool IsConditionPairValid(const ConditionPair& pair);

bool ValidateSettings(const SensorSettings& settings, std::uint32_t firmwareVersion);
