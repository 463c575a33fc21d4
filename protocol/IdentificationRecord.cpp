// The identification record a sensor answers with: firmware version and device type.
#include "protocol/IdentificationRecord.h"

#include "protocol/LittleEndian.h"

bool ParseIdentification(const std::uint8_t* record, std::size_t length, SensorIdentification& out)
{
    if (record == nullptr || length < kIdentificationRecordSize)
        return false;
    const std::uint8_t* header = record + kInstalledImageHeaderOffset;
    out.firmwareVersion = GetU32(header + 12);
    out.deviceType = GetU32(header + 16);
    return true;
}
