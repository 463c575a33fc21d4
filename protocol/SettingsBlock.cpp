// The sensor's 96-byte settings block: its wire layout and its decoded fields.
#include "protocol/SettingsBlock.h"

#include "protocol/LittleEndian.h"
#include "protocol/SettingsValidation.h"

#include <algorithm>

namespace {

// Field offsets within the block.
constexpr std::size_t kSerialNumber = 0;
constexpr std::size_t kNetworkAddress = 4;
constexpr std::size_t kAddressFlags = 5;
constexpr std::size_t kOutputInterval = 6;
constexpr std::size_t kUnsolicitedOutput = 7;
constexpr std::size_t kApproximationInterval = 8;
constexpr std::size_t kZeroReference = 12;
constexpr std::size_t kAngleConditions = 24;
constexpr std::size_t kAngularMotionTimeout = 40;
constexpr std::size_t kAngleThreshold = 42;
constexpr std::size_t kPulseSensorTimeout = 44;
constexpr std::size_t kLlsSources = 48;
constexpr std::size_t kLlsSourceSize = 4;
constexpr std::size_t kOutputs = 56;
constexpr std::size_t kOutputSize = 20;
constexpr std::size_t kRangeSize = 8;

RangeRecord DecodeRange(const std::uint8_t* p)
{
    RangeRecord range;
    range.kind = p[0];
    range.delay = GetU16(p + 2);
    range.low = GetS16(p + 4);
    range.high = GetS16(p + 6);
    return range;
}

void EncodeRange(const RangeRecord& range, std::uint8_t* p)
{
    p[0] = range.kind;
    PutU16(p + 2, range.delay);
    PutU16(p + 4, static_cast<std::uint16_t>(range.low));
    PutU16(p + 6, static_cast<std::uint16_t>(range.high));
}

ConditionPair DecodePair(const std::uint8_t* p)
{
    return ConditionPair{DecodeRange(p), DecodeRange(p + kRangeSize)};
}

void EncodePair(const ConditionPair& pair, std::uint8_t* p)
{
    EncodeRange(pair.inactive, p);
    EncodeRange(pair.active, p + kRangeSize);
}

void PutZeroReference(const float (&vector)[3], std::uint8_t* block)
{
    for (int i = 0; i < 3; ++i)
        PutF32(block + kZeroReference + 4 * i, vector[i]);
}

} // namespace

SensorSettings DecodeSettings(const SettingsBlock& block)
{
    const std::uint8_t* b = block.data();
    SensorSettings s;
    s.serialNumber = GetU32(b + kSerialNumber);
    s.networkAddress = b[kNetworkAddress];
    s.addressFlags = b[kAddressFlags];
    s.outputInterval = b[kOutputInterval];
    s.unsolicitedOutput = b[kUnsolicitedOutput];
    s.approximationInterval = GetU16(b + kApproximationInterval);
    for (int i = 0; i < 3; ++i)
        s.zeroReference[i] = GetF32(b + kZeroReference + 4 * i);
    s.angle = DecodePair(b + kAngleConditions);
    s.angularMotionTimeout = GetU16(b + kAngularMotionTimeout);
    s.angleThreshold = b[kAngleThreshold];
    s.pulseSensorTimeout = GetU16(b + kPulseSensorTimeout);
    for (int i = 0; i < 2; ++i) {
        s.llsSource[i] = b[kLlsSources + kLlsSourceSize * i];
        const std::uint8_t* out = b + kOutputs + kOutputSize * i;
        s.outputs[i].valueCode = out[0];
        s.outputs[i].frequencyMode = out[1];
        s.outputs[i].conditions = DecodePair(out + 4);
    }
    return s;
}

SettingsBlock EncodeSettings(const SensorSettings& s)
{
    SettingsBlock block{};
    std::uint8_t* b = block.data();
    PutU32(b + kSerialNumber, s.serialNumber);
    b[kNetworkAddress] = s.networkAddress;
    b[kAddressFlags] = s.addressFlags;
    b[kOutputInterval] = s.outputInterval;
    b[kUnsolicitedOutput] = s.unsolicitedOutput;
    PutU16(b + kApproximationInterval, s.approximationInterval);
    PutZeroReference(s.zeroReference, b);
    EncodePair(s.angle, b + kAngleConditions);
    PutU16(b + kAngularMotionTimeout, s.angularMotionTimeout);
    b[kAngleThreshold] = s.angleThreshold;
    PutU16(b + kPulseSensorTimeout, s.pulseSensorTimeout);
    for (int i = 0; i < 2; ++i) {
        b[kLlsSources + kLlsSourceSize * i] = s.llsSource[i];
        std::uint8_t* out = b + kOutputs + kOutputSize * i;
        out[0] = s.outputs[i].valueCode;
        out[1] = s.outputs[i].frequencyMode;
        EncodePair(s.outputs[i].conditions, out + 4);
    }
    return block;
}

SettingsPayload MakeSettingsWritePayload(const SettingsBlock& block)
{
    SettingsPayload payload;
    payload[0] = kSettingsMarker0;
    payload[1] = kSettingsMarker1;
    std::copy(block.begin(), block.end(), payload.begin() + 2);
    return payload;
}

std::uint8_t NetworkAddressOf(const SettingsBlock& block)
{
    return block[kNetworkAddress];
}

SettingsBlock TakeZeroReference(const SettingsBlock& block, const float (&candidate)[3])
{
    SettingsBlock result = block;
    if (IsZeroReferenceInRange(candidate))
        PutZeroReference(candidate, result.data());
    return result;
}
