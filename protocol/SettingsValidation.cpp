// The rules a settings block must meet before it may be written to a sensor.
#include "protocol/SettingsValidation.h"

#include "protocol/SensorModel.h"

namespace {

constexpr int kLowestValue = -32767;  // -32768 stands for "no value"
constexpr int kHighestValue = 32767;

bool Overlap(int low1, int high1, int low2, int high2)
{
    return !(high1 < low2 || high2 < low1);
}

// An out-of-range condition [low, high] next to an in-range condition R:
// everything outside [low, high] must stay clear of R.
bool OutOfRangeFitsInRange(const RangeRecord& outOfRange, const RangeRecord& inRange)
{
    if (outOfRange.low > kLowestValue &&
        Overlap(kLowestValue, outOfRange.low - 1, inRange.low, inRange.high))
        return false;
    if (outOfRange.high < kHighestValue &&
        Overlap(outOfRange.high + 1, kHighestValue, inRange.low, inRange.high))
        return false;
    return true;
}

bool IsAngleRange(const RangeRecord& range)
{
    return range.low >= 0 && range.high <= 180;
}

} // namespace

bool IsZeroReferenceInRange(const float (&vector)[3])
{
    for (float component : vector)
        if (!(component >= -8.0f && component <= 8.0f))
            return false;
    return true;
}

bool IsRangeRecordValid(const RangeRecord& range)
{
    return range.kind <= kRangeOutOfRange && range.delay <= 32767 && range.low > -32768 &&
           range.low <= range.high;
}

bool IsConditionPairValid(const ConditionPair& pair)
{
    const RangeRecord& a = pair.inactive;
    const RangeRecord& b = pair.active;
    if (!IsRangeRecordValid(a) || !IsRangeRecordValid(b))
        return false;
    if (a.kind == b.kind && (a.kind == kRangeOtherValues || a.kind == kRangeOutOfRange))
        return false;
    if (a.kind == kRangeOtherValues || b.kind == kRangeOtherValues)
        return true;
    if (a.kind == kRangeInRange && b.kind == kRangeInRange)
        return !Overlap(a.low, a.high, b.low, b.high);
    return a.kind == kRangeOutOfRange ? OutOfRangeFitsInRange(a, b) : OutOfRangeFitsInRange(b, a);
}

bool ValidateSettings(const SensorSettings& s, std::uint32_t firmwareVersion)
{
    const unsigned codeLimit = ValueCodeLimit(firmwareVersion);
    if (s.networkAddress >= 255)
        return false;
    if (s.addressFlags > AddressFlagsLimit(firmwareVersion))
        return false;
    if (s.unsolicitedOutput > 1 || (s.unsolicitedOutput == 1 && s.outputInterval == 0))
        return false;
    if (s.approximationInterval < 10 || s.approximationInterval > 500)
        return false;
    if (!IsZeroReferenceInRange(s.zeroReference))
        return false;
    if (!IsConditionPairValid(s.angle) || !IsAngleRange(s.angle.inactive) || !IsAngleRange(s.angle.active))
        return false;
    if (s.angleThreshold < 1 || s.angleThreshold > 90)
        return false;
    for (std::uint8_t source : s.llsSource)
        if (source >= codeLimit)
            return false;
    for (const OutputRecord& output : s.outputs) {
        if (output.valueCode >= codeLimit)
            return false;
        if (output.valueCode != 0 && !IsConditionPairValid(output.conditions))
            return false;
    }
    return true;
}
