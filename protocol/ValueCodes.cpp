// The value codes: sensor quantities that feed the LLS parameters and the outputs.
#include "protocol/ValueCodes.h"

#include "protocol/FormatText.h"
#include "runtime/ResourceText.h"
#include "protocol/resources/protocol_ids.h"

namespace {

constexpr unsigned kNameIds[kNamedValueCodes] = {
    IDS_VALUE_NOT_USED,        IDS_VALUE_INCLINATION,      IDS_VALUE_VIBRATION,
    IDS_VALUE_GEAR_STATE,      IDS_VALUE_WORK_CYCLES,      IDS_VALUE_ANGULAR_MOTION,
    IDS_VALUE_MOTION_AMPLITUDE, IDS_VALUE_MOTION_COUNTER,  IDS_VALUE_MOTION_FREQUENCY,
    IDS_VALUE_TEMPERATURE,     IDS_VALUE_MAGNETS,          IDS_VALUE_MAGNET1_PULSES,
    IDS_VALUE_MAGNET1_COUNTER, IDS_VALUE_MAGNET1_FREQUENCY, IDS_VALUE_ROTATION,
    IDS_VALUE_ROTATION_COUNTER, IDS_VALUE_RIGHT_COUNTER,   IDS_VALUE_RIGHT_FREQUENCY,
    IDS_VALUE_LEFT_COUNTER,    IDS_VALUE_LEFT_FREQUENCY,   IDS_VALUE_SERIAL_NUMBER,
};

} // namespace

bool IsSignedValueCode(unsigned code)
{
    return code == kValueCodeTemperature;
}

unsigned ValueCodeStringId(unsigned code)
{
    return code < kNamedValueCodes ? kNameIds[code] : 0;
}

std::wstring ValueCodeName(unsigned code)
{
    const unsigned id = ValueCodeStringId(code);
    return id != 0 ? LoadResourceText(id) : FormatText(L"%u", code);
}
