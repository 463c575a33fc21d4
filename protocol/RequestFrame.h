// A request frame from the tool to the sensor, built for one of the protocol's request codes.
#pragma once

#include "protocol/SettingsBlock.h"

#include <cstdint>

// Prefix, payload length N, address, code, N payload bytes and the checksum: N + 5 bytes.
// Every Build operation replaces the frame; on failure the frame is left empty (length 0).
class CRequestFrame
{
public:
    static constexpr unsigned MaxPayload = 255;
    static constexpr unsigned MaxLength = MaxPayload + 5;
    static constexpr unsigned MaxFirmwareBlock = MaxPayload - 12;

    // The one routine behind all requests; false when the payload exceeds 255 bytes.
    bool Build(uint8_t address, uint8_t code, const uint8_t* payload, unsigned payloadLength);

    bool BuildReadIdentification(uint8_t address);
    bool BuildRestart(uint8_t address);
    bool BuildReadDownloadStatus(uint8_t address);
    // n = 0 (the image has nothing left) sends an empty payload; n above 243 is refused.
    bool BuildWriteFirmwareBlock(uint8_t address, uint32_t checkValue, uint32_t position, const uint8_t* block,
                                 unsigned n);
    bool BuildActivateFirmware(uint8_t address);
    // Subcodes 2 to 7 exist; others are refused.
    bool BuildReadData(uint8_t address, uint8_t subcode);
    bool BuildReadSettings(uint8_t address);
    bool BuildWriteSettings(uint8_t address, const SettingsBlock& block);
    bool BuildTestCommand(uint8_t address, uint8_t value);

    const uint8_t* Data() const { return m_bytes; }
    unsigned Length() const { return m_length; }

private:
    uint8_t m_bytes[MaxLength] = {};
    unsigned m_length = 0;
};
