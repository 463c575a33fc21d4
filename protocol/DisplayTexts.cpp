// The live values as the windows show them.
#include "protocol/DisplayTexts.h"

#include "protocol/FormatText.h"
#include "protocol/NumberScan.h"
#include "protocol/ValueCodes.h"

namespace {

bool HasValue(std::int32_t value)
{
    return value > kNoValue;
}

std::wstring Hundredths(std::int32_t value)
{
    return HasValue(value) ? FormatText(L"%5.1f", value / 100.0) : std::wstring();
}

std::wstring Whole(std::int32_t value)
{
    return HasValue(value) ? FormatText(L"%d", static_cast<int>(value)) : std::wstring();
}

} // namespace

void RebuildDisplayTexts(const LiveData& live, unsigned groups, DisplayTexts& texts)
{
    if (groups & kTextTemperature)
        texts.temperature = Hundredths(live.temperature);
    if (groups & kTextAngle)
        texts.angle = Hundredths(live.angle);
    if (groups & kTextAuxiliary)
        texts.auxiliary = Hundredths(live.auxiliary);
    if (groups & kTextVector)
        texts.vector = FormatVector(live.vector);
    for (int i = 0; i < 2; ++i) {
        if (groups & kTextLls)
            texts.lls[i] = Whole(live.lls[i]);
        if (groups & kTextOutputs) {
            texts.outputValue[i] = Whole(live.outputValue[i]);
            texts.outputState[i] = live.outputValue[i] == 0 ? 0 : -1;
        }
        if (groups & kTextMagnets)
            texts.magnetState[i] = live.magnet[i] == 0 ? 1 : 0;
    }
    if (groups & kTextDiagnostics)
        texts.diagnostics = FormatText(L"C=%d,T=%d,A=%d,Sw=%u", live.diagnosticFlags & 1,
                                       (live.diagnosticFlags >> 1) & 1, (live.diagnosticFlags >> 2) & 1,
                                       static_cast<unsigned>(live.sw));
    if (groups & kTextExtras) {
        texts.extraCount = live.extraCount < kMaxExtraValues ? live.extraCount : kMaxExtraValues;
        for (std::size_t i = 0; i < kMaxExtraValues; ++i) {
            const bool used = i < texts.extraCount;
            texts.extraName[i] = used ? ValueCodeName(live.extras[i].code) : std::wstring();
            texts.extraValue[i] = used ? Whole(live.extras[i].value) : std::wstring();
        }
    }
}
