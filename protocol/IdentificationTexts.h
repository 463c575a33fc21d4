// What the windows show of the sensor's identity and of output 1's mode.
#pragma once

#include "protocol/IdentificationRecord.h"
#include "protocol/SettingsBlock.h"

#include <string>

struct IdentificationTexts {
    std::wstring model;
    std::wstring firmwareVersion;
    bool supportedModel = false;
    bool frequencyModePossible = false;
    bool magnetDetectors = false;
    bool outputOneFrequency = false;
    std::wstring outputOneLabel;
};

// No identity known; output 1 labelled as a discrete output.
IdentificationTexts MakeResetIdentificationTexts();

// An unknown device type keeps the model text that was there before.
void RebuildIdentificationTexts(const SensorIdentification& identification, const SettingsBlock& settings,
                                IdentificationTexts& texts);
