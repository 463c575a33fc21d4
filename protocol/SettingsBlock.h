// The sensor's 96-byte settings block: its wire layout and its decoded fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kSettingsBlockSize = 96;
using SettingsBlock = std::array<std::uint8_t, kSettingsBlockSize>;

// The settings answer and the write request carry the block behind two marker bytes.
constexpr std::size_t kSettingsPayloadSize = 2 + kSettingsBlockSize;
constexpr std::uint8_t kSettingsMarker0 = 0xFF;
constexpr std::uint8_t kSettingsMarker1 = 0x02;
using SettingsPayload = std::array<std::uint8_t, kSettingsPayloadSize>;

enum RangeKind : std::uint8_t {
    kRangeOtherValues = 0,
    kRangeInRange = 1,
    kRangeOutOfRange = 2,
};

struct RangeRecord {
    std::uint8_t kind = kRangeOtherValues;
    std::uint16_t delay = 0;  // seconds before the state is taken
    std::int16_t low = 0;
    std::int16_t high = 0;
};

// The first record is for the inactive state, the second for the active one.
struct ConditionPair {
    RangeRecord inactive;
    RangeRecord active;
};

struct OutputRecord {
    std::uint8_t valueCode = 0;      // 0: output not used
    std::uint8_t frequencyMode = 0;  // meaningful for output 1 only
    ConditionPair conditions;
};

constexpr std::uint8_t kAddressFlagNoCommon = 0x01;   // 255 is not taken as common address
constexpr std::uint8_t kAddressFlagSecondary = 0x02;  // secondary address sends output 2

struct SensorSettings {
    std::uint32_t serialNumber = 0;
    std::uint8_t networkAddress = 0;
    std::uint8_t addressFlags = 0;
    std::uint8_t outputInterval = 0;     // seconds
    std::uint8_t unsolicitedOutput = 0;  // 0 disabled, 1 LLS format
    std::uint16_t approximationInterval = 0;  // tenths of a second
    float zeroReference[3] = {0, 0, 0};
    ConditionPair angle;  // inactive: not working, active: working
    std::uint16_t angularMotionTimeout = 0;
    std::uint8_t angleThreshold = 0;
    std::uint16_t pulseSensorTimeout = 0;
    std::uint8_t llsSource[2] = {0, 0};
    OutputRecord outputs[2];
};

SensorSettings DecodeSettings(const SettingsBlock& block);

// Reserved bytes are written as 0.
SettingsBlock EncodeSettings(const SensorSettings& settings);

// Payload of the write request: the markers, then the block.
SettingsPayload MakeSettingsWritePayload(const SettingsBlock& block);

std::uint8_t NetworkAddressOf(const SettingsBlock& block);

// The zero-angle setup: a copy of block whose zero reference is the sensor's
// candidate vector, taken only when every component lies within -8..8;
// otherwise an unchanged copy. Every other byte is kept as it is.
SettingsBlock TakeZeroReference(const SettingsBlock& block, const float (&candidate)[3]);
