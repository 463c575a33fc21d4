// The sensor's 96-byte settings block: field offsets, factory contents, acceptance.
#pragma once
#include "Bytes.h"

#include <array>

namespace sim {

constexpr size_t kSettingsSize = 96;
using SettingsBytes = std::array<uint8_t, kSettingsSize>;

namespace settings {
constexpr size_t kSerial = 0, kAddress = 4, kAddressFlags = 5, kOutputInterval = 6, kOutputMode = 7,
                 kApproxInterval = 8, kZeroVector = 12, kAnglePair = 24, kMotionTimeout = 40,
                 kAngleThreshold = 42, kPulseTimeout = 44, kLlsSource = 48, kOutputs = 56;
constexpr size_t kOutputRecordSize = 20, kOutputPair = 4, kLlsEntrySize = 4;
constexpr uint8_t kNoCommonAddress = 0x01, kSecondaryAddress = 0x02;
}  // namespace settings

// One range record of a condition pair, as stored in the block.
struct RangeRecord {
  uint8_t kind = 0;  // 0 in other values, 1 in range, 2 out of range
  uint16_t delaySeconds = 0;
  int16_t low = 0;
  int16_t high = 0;
};
RangeRecord ReadRange(const uint8_t* p);
void WriteRange(uint8_t* p, const RangeRecord& r);

SettingsBytes FactorySettings(uint32_t serial, uint8_t address);

// Whether the sensor takes the block, judged against its firmware version.
bool SettingsAcceptable(const SettingsBytes& block, uint32_t firmwareVersion);

}  // namespace sim
