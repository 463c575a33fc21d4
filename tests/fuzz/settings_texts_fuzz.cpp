// Fuzz target: the settings texts through parse, validate and encode. Property: every
// block that passes validation shows texts that build back to it as a write sends it.
#include "FuzzInput.h"

#include "protocol/SettingsTexts.h"
#include "tests/protocol/SettingsRoundTrip.h"

#include <algorithm>

namespace {

void Edit(FuzzInput& input, SettingsTexts& t)
{
    std::wstring* const fields[] = {
        &t.serialNumber, &t.networkAddress, &t.outputInterval, &t.approximationInterval, &t.zeroReference,
        &t.angle.inactive.range, &t.angle.active.range, &t.angle.active.delay, &t.angularMotionTimeout,
        &t.angleThreshold, &t.pulseSensorTimeout, &t.outputs[0].conditions.inactive.range,
        &t.outputs[0].conditions.active.range, &t.outputs[1].conditions.active.range,
        &t.outputs[1].conditions.inactive.delay,
    };
    int* const choices[] = {&t.unsolicitedOutput, &t.llsSource[0], &t.outputs[0].valueCode,
                            &t.outputs[1].valueCode, &t.outputs[0].frequencyMode, &t.angle.active.kind,
                            &t.outputs[1].conditions.inactive.kind};
    const uint8_t pick = input.Byte();
    if (pick & 0x80)
        *choices[pick % std::size(choices)] = static_cast<int8_t>(input.Byte());
    else
        *fields[pick % std::size(fields)] = input.Text(24);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const uint32_t firmware = input.Byte() % 12;
    SettingsBlock held{};
    const std::vector<uint8_t> bytes = input.Bytes(held.size());
    std::copy(bytes.begin(), bytes.end(), held.begin());
    if (!SettingsTextsRoundTrip(held, firmware))
        __builtin_trap();

    // Then edits as a person makes them: whatever they type must be judged, never misread.
    SettingsTexts texts = FormatSettingsTexts(DecodeSettings(held));
    while (!input.Empty()) {
        Edit(input, texts);
        NormaliseRangeTexts(texts);
        SettingsBlock built{};
        const bool ok = BuildSettingsBlock(texts, held, firmware, built);
        const SettingsVerdict verdict = EvaluateSettingsTexts(texts, held, firmware);
        if (ok != (verdict != kSettingsInvalid))
            __builtin_trap();
        // What is written must itself pass validation and read back as itself.
        if (ok && (!ValidateSettings(DecodeSettings(built), firmware) || !SettingsTextsRoundTrip(built, firmware)))
            __builtin_trap();
    }
    return 0;
}
