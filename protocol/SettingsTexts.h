// The editable text form of the settings block that the settings pages bind to.
#pragma once

#include "protocol/SettingsBlock.h"

#include <cstdint>
#include <string>

// Indices and check states are ints because the pages exchange them that way
// (-1 for a list without selection).
struct RangeTexts {
    int kind = 0;  // list index: the range kind
    std::wstring range;
    std::wstring delay;
};

struct ConditionTexts {
    RangeTexts inactive;
    RangeTexts active;
};

struct OutputTexts {
    int valueCode = 0;  // list index
    int frequencyMode = 0;
    ConditionTexts conditions;
};

struct SettingsTexts {
    std::wstring serialNumber;
    std::wstring networkAddress;
    int noCommonAddress = 0;   // address flag bit 0
    int secondaryAddress = 0;  // address flag bit 1
    std::wstring outputInterval;
    int unsolicitedOutput = 0;  // radio index
    std::wstring approximationInterval;
    std::wstring zeroReference;
    ConditionTexts angle;  // inactive: not working, active: working
    std::wstring angularMotionTimeout;
    std::wstring angleThreshold;
    std::wstring pulseSensorTimeout;
    int llsSource[2] = {0, 0};  // list indices
    OutputTexts outputs[2];
};

SettingsTexts FormatSettingsTexts(const SensorSettings& settings);

// Parses the texts over settings, which comes in holding the current values:
// what the texts do not cover keeps its value. On the first field that does
// not parse the whole parse fails and settings is left as it was.
bool ParseSettingsTexts(const SettingsTexts& texts, SensorSettings& settings);

// Rewrites every output range text that is a lone number v as "v..v".
void NormaliseRangeTexts(SettingsTexts& texts);

// Parse over the held block, then validate against the firmware version;
// the result has its reserved bytes zeroed. False when either step fails.
bool BuildSettingsBlock(const SettingsTexts& texts, const SettingsBlock& held, std::uint32_t firmwareVersion,
                        SettingsBlock& result);

enum SettingsVerdict {
    kSettingsUnchanged = 1,
    kSettingsModified = 2,
    kSettingsInvalid = 3,
};

SettingsVerdict EvaluateSettingsTexts(const SettingsTexts& texts, const SettingsBlock& held,
                                      std::uint32_t firmwareVersion);
