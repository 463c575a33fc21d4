// The round trip a sensor's own settings must survive: block -> texts -> block.
// Shared by the settings tests and the settings fuzz target.
#pragma once

#include "protocol/SettingsTexts.h"
#include "protocol/SettingsValidation.h"

#include <cstdint>

// What a write sends for a block read from a sensor: the reserved bytes and
// the conditions of an unused output are written as 0.
inline SettingsBlock AsWritten(const SettingsBlock& held)
{
    SensorSettings s = DecodeSettings(held);
    for (OutputRecord& output : s.outputs)
        if (output.valueCode == 0)
            output.conditions = ConditionPair{};
    return EncodeSettings(s);
}

// A block that passes validation shows texts that build back to it as a
// write would send it. Blocks that fail validation prove nothing here.
inline bool SettingsTextsRoundTrip(const SettingsBlock& held, std::uint32_t firmwareVersion)
{
    if (!ValidateSettings(DecodeSettings(held), firmwareVersion))
        return true;
    SettingsBlock built{};
    return BuildSettingsBlock(FormatSettingsTexts(DecodeSettings(held)), held, firmwareVersion, built) &&
           built == AsWritten(held);
}
