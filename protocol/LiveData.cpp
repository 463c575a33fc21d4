// The sensor's live values as the data answers deliver them.
#include "protocol/LiveData.h"

#include "protocol/LittleEndian.h"

#include <bit>

namespace {

void TakeVector(const std::uint8_t* p, LiveData& live)
{
    for (int i = 0; i < 3; ++i)
        live.vector[i] = GetF32(p + 4 * i);
}

// Temperature, angle and both LLS parameters open every polling record.
void TakeCommon(const std::uint8_t* p, LiveData& live)
{
    live.temperature = GetS16(p);
    live.angle = GetS16(p + 2);
    live.lls[0] = GetS16(p + 4);
    live.lls[1] = GetS16(p + 6);
}

// Extra value j belongs to the value code at the position of the mask's
// j-th set bit. The record keeps the first sixteen; the rest are dropped.
void TakeExtras(std::uint32_t mask, const std::uint8_t* p, LiveData& live)
{
    std::uint32_t count = 0;
    for (std::uint16_t code = 0; code < 32 && count < kMaxExtraValues; ++code) {
        if ((mask & (std::uint32_t{1} << code)) == 0)
            continue;
        live.extras[count].code = code;
        live.extras[count].value = GetS16(p + 2 * count);
        ++count;
    }
    live.extraCount = count;
}

// Record size of a subcode without its extra values; 0 when unknown.
std::size_t FixedRecordSize(std::uint8_t subcode)
{
    switch (subcode) {
    case 2: return 16;
    case 3: return 9;
    case 4: return 8;
    case 5: return 24;
    case 6: return 16;
    case 7: return 20;
    default: return 0;
    }
}

} // namespace

bool ApplyDataRecord(std::uint8_t subcode, const std::uint8_t* r, std::size_t length, LiveData& live)
{
    const std::size_t fixed = FixedRecordSize(subcode);
    if (r == nullptr || fixed == 0 || length < fixed)
        return false;
    std::uint32_t mask = 0;
    if (subcode == 6 || subcode == 7) {
        mask = GetU32(r + fixed - 4);
        if (length < fixed + 2 * static_cast<std::size_t>(std::popcount(mask)))
            return false;
    }
    switch (subcode) {
    case 2:
        live.temperature = GetS16(r);
        live.angle = GetS16(r + 2);
        TakeVector(r + 4, live);
        break;
    case 3:
        live.diagnosticFlags = r[0];
        live.diagnosticWord = GetU32(r + 1);
        live.sw = GetU32(r + 5);
        break;
    case 4:
        TakeCommon(r, live);
        break;
    case 5:
        TakeCommon(r, live);
        TakeVector(r + 8, live);
        live.auxiliary = GetS16(r + 20);
        break;
    case 6:
    case 7:
        TakeCommon(r, live);
        live.outputValue[0] = GetS16(r + 8);
        live.outputValue[1] = GetS16(r + 10);
        if (subcode == 7) {
            live.magnet[0] = GetS16(r + 12);
            live.magnet[1] = GetS16(r + 14);
        }
        TakeExtras(mask, r + fixed, live);
        break;
    }
    return true;
}

unsigned DataAnswerTextGroups(std::uint8_t subcode)
{
    constexpr unsigned polling = kTextTemperature | kTextAngle | kTextLls;
    switch (subcode) {
    case 2: return kTextTemperature | kTextAngle | kTextVector;
    case 3: return kTextDiagnostics;
    case 4: return polling;
    case 5: return polling | kTextVector | kTextAuxiliary;
    case 6: return polling | kTextOutputs | kTextExtras;
    case 7: return polling | kTextOutputs | kTextExtras | kTextMagnets;
    default: return 0;
    }
}

void ApplyLlsData(std::int8_t temperature, std::uint16_t parameter1, std::uint16_t parameter2, LiveData& live)
{
    live.temperature = temperature * 100;
    live.lls[0] = parameter1;
    live.lls[1] = parameter2;
}
