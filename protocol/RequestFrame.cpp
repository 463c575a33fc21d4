// Building request frames with their checksum.
#include "protocol/RequestFrame.h"

#include "protocol/CrcEngine.h"
#include "protocol/LittleEndian.h"
#include "protocol/SensorCodes.h"

#include <cstring>

namespace {

uint8_t Code(ERequestCode code) { return static_cast<uint8_t>(code); }

} // namespace

bool CRequestFrame::Build(uint8_t address, uint8_t code, const uint8_t* payload, unsigned payloadLength)
{
    m_length = 0;
    if (payloadLength > MaxPayload)
        return false;
    m_bytes[0] = RequestPrefix;
    m_bytes[1] = static_cast<uint8_t>(payloadLength);
    m_bytes[2] = address;
    m_bytes[3] = code;
    if (payloadLength)
        std::memcpy(m_bytes + 4, payload, payloadLength);
    m_bytes[4 + payloadLength] = SensorCrc().Compute(m_bytes, 4 + payloadLength);
    m_length = payloadLength + 5;
    return true;
}

bool CRequestFrame::BuildReadIdentification(uint8_t address)
{
    return Build(address, Code(ERequestCode::ReadIdentification), nullptr, 0);
}

bool CRequestFrame::BuildRestart(uint8_t address) { return Build(address, Code(ERequestCode::Restart), nullptr, 0); }

bool CRequestFrame::BuildReadDownloadStatus(uint8_t address)
{
    return Build(address, Code(ERequestCode::ReadDownloadStatus), nullptr, 0);
}

bool CRequestFrame::BuildWriteFirmwareBlock(uint8_t address, uint32_t checkValue, uint32_t position,
                                            const uint8_t* block, unsigned n)
{
    if (n == 0)
        return Build(address, Code(ERequestCode::WriteFirmwareBlock), nullptr, 0);
    if (n > MaxFirmwareBlock || !block) {
        m_length = 0;
        return false;
    }
    uint8_t payload[MaxPayload];
    PutU32(payload, checkValue);
    PutU32(payload + 4, position);
    PutU32(payload + 8, n);
    std::memcpy(payload + 12, block, n);
    return Build(address, Code(ERequestCode::WriteFirmwareBlock), payload, 12 + n);
}

bool CRequestFrame::BuildActivateFirmware(uint8_t address)
{
    return Build(address, Code(ERequestCode::ActivateFirmware), nullptr, 0);
}

bool CRequestFrame::BuildReadData(uint8_t address, uint8_t subcode)
{
    if (subcode < 2 || subcode > 7) {
        m_length = 0;
        return false;
    }
    return Build(address, Code(ERequestCode::ReadData), &subcode, 1);
}

bool CRequestFrame::BuildReadSettings(uint8_t address)
{
    const uint8_t all = 0xFF;
    return Build(address, Code(ERequestCode::ReadSettings), &all, 1);
}

bool CRequestFrame::BuildWriteSettings(uint8_t address, const SettingsBlock& block)
{
    const SettingsPayload payload = MakeSettingsWritePayload(block);
    return Build(address, Code(ERequestCode::WriteSettings), payload.data(), static_cast<unsigned>(payload.size()));
}

bool CRequestFrame::BuildTestCommand(uint8_t address, uint8_t value)
{
    const uint8_t payload[2] = {0x01, value};
    return Build(address, Code(ERequestCode::TestCommand), payload, 2);
}
