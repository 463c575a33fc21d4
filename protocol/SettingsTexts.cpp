// The editable text form of the settings block that the settings pages bind to.
#include "protocol/SettingsTexts.h"

#include "protocol/FormatText.h"
#include "protocol/NumberScan.h"
#include "protocol/RangeText.h"
#include "protocol/SettingsValidation.h"
#include "protocol/ValueCodes.h"

#include <limits>

namespace {

// The value-source lists hold one entry past the last named code.
constexpr int kLargestSourceIndex = 21;

std::wstring Unsigned(unsigned value)
{
    return FormatText(L"%u", value);
}

RangeTexts FormatRangeTexts(const RangeRecord& range)
{
    return RangeTexts{range.kind, FormatRange(range), Unsigned(range.delay)};
}

ConditionTexts FormatConditionTexts(const ConditionPair& pair)
{
    return ConditionTexts{FormatRangeTexts(pair.inactive), FormatRangeTexts(pair.active)};
}

bool ParseIndex(int index, int largest, std::uint8_t& value)
{
    if (index < 0 || index > largest)
        return false;
    value = static_cast<std::uint8_t>(index);
    return true;
}

bool ParseU8(const std::wstring& text, std::uint32_t min, std::uint32_t max, std::uint8_t& value)
{
    std::uint32_t result;
    if (!ScanUnsigned(text, max, result) || result < min)
        return false;
    value = static_cast<std::uint8_t>(result);
    return true;
}

bool ParseU16(const std::wstring& text, std::uint32_t min, std::uint32_t max, std::uint16_t& value)
{
    std::uint32_t result;
    if (!ScanUnsigned(text, max, result) || result < min)
        return false;
    value = static_cast<std::uint16_t>(result);
    return true;
}

// Read as a signed number, kept as its 32-bit pattern: every serial number
// shown as unsigned reads back to itself.
bool ParseSerialNumber(const std::wstring& text, std::uint32_t& value)
{
    std::int64_t result;
    if (!ScanInteger(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::uint32_t>::max(),
                     result))
        return false;
    value = static_cast<std::uint32_t>(result);
    return true;
}

// "%f" cannot carry a float's every bit, so the text the held vector is shown
// as stands for the held vector itself.
bool ParseZeroReference(const std::wstring& text, float (&vector)[3])
{
    return text == FormatVector(vector) || ScanVector(text, vector);
}

PlainNumberKind RangeBoundKind(unsigned valueCode)
{
    return IsSignedValueCode(valueCode) ? PlainNumberKind::Signed : PlainNumberKind::Unsigned;
}

// The text the held range is shown as stands for the held range itself, so a
// sensor's own settings read back whole whatever its bounds are.
bool ParseRangeTexts(const RangeTexts& texts, PlainNumberKind bounds, RangeRecord& range)
{
    return ParseIndex(texts.kind, 255, range.kind) &&
           (texts.range == FormatRange(range) || ParseRange(texts.range, bounds, range.low, range.high)) &&
           ParseU16(texts.delay, 0, 65535, range.delay);
}

bool ParseConditionTexts(const ConditionTexts& texts, PlainNumberKind bounds, ConditionPair& pair)
{
    return ParseRangeTexts(texts.inactive, bounds, pair.inactive) &&
           ParseRangeTexts(texts.active, bounds, pair.active);
}

// Any byte other than 0 switches the mode on; a held byte that says the same
// as the check box is kept as the sensor has it.
std::uint8_t FrequencyModeByte(int checked, std::uint8_t held)
{
    if ((checked != 0) == (held != 0))
        return held;
    return checked != 0 ? 1 : 0;
}

bool ParseOutputTexts(const OutputTexts& texts, OutputRecord& output)
{
    if (!ParseIndex(texts.valueCode, kLargestSourceIndex, output.valueCode))
        return false;
    output.frequencyMode = FrequencyModeByte(texts.frequencyMode, output.frequencyMode);
    if (output.valueCode == 0) {
        output.conditions = ConditionPair{};
        return true;
    }
    return ParseConditionTexts(texts.conditions, RangeBoundKind(output.valueCode), output.conditions);
}

} // namespace

SettingsTexts FormatSettingsTexts(const SensorSettings& s)
{
    SettingsTexts t;
    t.serialNumber = Unsigned(s.serialNumber);
    t.networkAddress = Unsigned(s.networkAddress);
    t.noCommonAddress = (s.addressFlags & kAddressFlagNoCommon) != 0;
    t.secondaryAddress = (s.addressFlags & kAddressFlagSecondary) != 0;
    t.outputInterval = Unsigned(s.outputInterval);
    t.unsolicitedOutput = s.unsolicitedOutput;
    t.approximationInterval = Unsigned(s.approximationInterval);
    t.zeroReference = FormatVector(s.zeroReference);
    t.angle = FormatConditionTexts(s.angle);
    t.angularMotionTimeout = Unsigned(s.angularMotionTimeout);
    t.angleThreshold = Unsigned(s.angleThreshold);
    t.pulseSensorTimeout = Unsigned(s.pulseSensorTimeout);
    for (int i = 0; i < 2; ++i) {
        t.llsSource[i] = s.llsSource[i];
        t.outputs[i].valueCode = s.outputs[i].valueCode;
        t.outputs[i].frequencyMode = s.outputs[i].frequencyMode != 0;
        t.outputs[i].conditions = FormatConditionTexts(s.outputs[i].conditions);
    }
    return t;
}

bool ParseSettingsTexts(const SettingsTexts& t, SensorSettings& settings)
{
    SensorSettings s = settings;
    if (!ParseSerialNumber(t.serialNumber, s.serialNumber) || !ParseU8(t.networkAddress, 0, 254, s.networkAddress))
        return false;
    s.addressFlags = static_cast<std::uint8_t>((s.addressFlags & ~(kAddressFlagNoCommon | kAddressFlagSecondary)) |
                                               (t.noCommonAddress != 0 ? kAddressFlagNoCommon : 0) |
                                               (t.secondaryAddress != 0 ? kAddressFlagSecondary : 0));
    if (!ParseIndex(t.unsolicitedOutput, 255, s.unsolicitedOutput) ||
        !ParseU8(t.outputInterval, s.unsolicitedOutput == 1 ? 1 : 0, 255, s.outputInterval) ||
        !ParseU16(t.approximationInterval, 10, 500, s.approximationInterval) ||
        !ParseZeroReference(t.zeroReference, s.zeroReference) || !ParseConditionTexts(t.angle, PlainNumberKind::Unsigned, s.angle) ||
        !ParseU16(t.angularMotionTimeout, 0, 65535, s.angularMotionTimeout) ||
        !ParseU8(t.angleThreshold, 1, 90, s.angleThreshold) ||
        !ParseU16(t.pulseSensorTimeout, 0, 65535, s.pulseSensorTimeout))
        return false;
    for (int i = 0; i < 2; ++i)
        if (!ParseIndex(t.llsSource[i], kLargestSourceIndex, s.llsSource[i]) ||
            !ParseOutputTexts(t.outputs[i], s.outputs[i]))
            return false;
    settings = s;
    return true;
}

void NormaliseRangeTexts(SettingsTexts& texts)
{
    for (OutputTexts& output : texts.outputs) {
        const PlainNumberKind bounds = RangeBoundKind(static_cast<unsigned>(output.valueCode));
        NormaliseRangeText(output.conditions.inactive.range, bounds);
        NormaliseRangeText(output.conditions.active.range, bounds);
    }
}

bool BuildSettingsBlock(const SettingsTexts& texts, const SettingsBlock& held, std::uint32_t firmwareVersion,
                        SettingsBlock& result)
{
    SensorSettings settings = DecodeSettings(held);
    if (!ParseSettingsTexts(texts, settings) || !ValidateSettings(settings, firmwareVersion))
        return false;
    result = EncodeSettings(settings);
    return true;
}

SettingsVerdict EvaluateSettingsTexts(const SettingsTexts& texts, const SettingsBlock& held,
                                      std::uint32_t firmwareVersion)
{
    SettingsBlock edited;
    if (!BuildSettingsBlock(texts, held, firmwareVersion, edited))
        return kSettingsInvalid;
    return edited == held ? kSettingsUnchanged : kSettingsModified;
}
