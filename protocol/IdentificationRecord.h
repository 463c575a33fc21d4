// The identification record a sensor answers with: firmware version and device type.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kIdentificationRecordSize = 32;

// Where the header of the installed firmware image lies in the record, and its
// size; it has the layout of a firmware file header.
constexpr std::size_t kInstalledImageHeaderOffset = 8;
constexpr std::size_t kInstalledImageHeaderSize = 24;

struct SensorIdentification {
    std::uint32_t firmwareVersion = 0;
    std::uint32_t deviceType = 0;
};

// record: the answer's payload. False, with out untouched, when it is
// shorter than the record.
bool ParseIdentification(const std::uint8_t* record, std::size_t length, SensorIdentification& out);
