// Sensor models by device type, and what a firmware version can do.
#include "protocol/SensorModel.h"

namespace {

struct Model {
    std::uint32_t deviceType;
    const wchar_t* name;
};

constexpr Model kModels[] = {
    {3001, L"Vextora T3"},
    {3002, L"FNX 40-01"},
    {3102, L"FNX 40-02"},
    {kSupportedDeviceType, L"TQS 25-07"},
};

} // namespace

const wchar_t* ModelName(std::uint32_t deviceType)
{
    for (const Model& model : kModels)
        if (model.deviceType == deviceType)
            return model.name;
    return nullptr;
}

bool IsSupportedModel(std::uint32_t deviceType)
{
    return deviceType == kSupportedDeviceType;
}

bool HasFrequencyMode(std::uint32_t firmwareVersion)
{
    return firmwareVersion > 6;
}

bool HasSecondaryAddress(std::uint32_t firmwareVersion)
{
    return firmwareVersion > 6;
}

bool HasMagnetDetectors(std::uint32_t firmwareVersion)
{
    return firmwareVersion > 7;
}

std::uint8_t AddressFlagsLimit(std::uint32_t firmwareVersion)
{
    return HasSecondaryAddress(firmwareVersion) ? 3 : 1;
}

unsigned ValueCodeLimit(std::uint32_t firmwareVersion)
{
    return firmwareVersion < 7 ? 14 : 21;
}

unsigned ValueCodeListCount(std::uint32_t firmwareVersion)
{
    if (firmwareVersion <= 6)
        return 14;
    if (firmwareVersion <= 8)
        return 20;
    return 21;
}
