// Frame prefixes, request codes and answer codes of the sensor protocol.
#pragma once

#include <cstdint>

enum : uint8_t {
    RequestPrefix = 0x41,  // "A", tool to sensor
    ResponsePrefix = 0x42, // "B", sensor to tool
    LlsPrefix = 0x3E,      // ">", unsolicited LLS output
};

// Network address every sensor accepts unless its settings refuse it.
constexpr uint8_t CommonAddress = 255;

enum class ERequestCode : uint8_t {
    ReadIdentification = 0x00,
    Restart = 0x01,
    ReadDownloadStatus = 0x02,
    WriteFirmwareBlock = 0x03,
    ActivateFirmware = 0x04,
    ReadData = 0x28,
    ReadSettings = 0x2B,
    WriteSettings = 0x2C,
    TestCommand = 0x2E,
};

enum class EAnswerCode : uint8_t {
    Acknowledge = 0x00,
    Identification = 0x01,
    ReadDownloadStatus = 0x02,
    ReadData = 0x28,
    ReadSettings = 0x2B,
};

// The code's name as the protocol tables give it, or nullptr for a code without one.
const char* RequestName(uint8_t code);
const char* AnswerName(uint8_t code);
