// What a scan tells: the sensors found, the answers that collided or were damaged, its progress.
#pragma once

#include "protocol/IdentificationRecord.h"
#include "ui/cli/ScanProbe.h"

#include <cstdint>
#include <string>

struct FoundSensor {
    std::wstring port;
    uint32_t baud = 0;
    uint8_t address = 0;
    SensorIdentification identification;
    bool settingsRead = false;  // the serial number is known only from a settings answer
    uint32_t serialNumber = 0;
};

// The model's name, or "unknown model (device type N)".
std::wstring ScanModelText(const SensorIdentification& identification);

std::wstring FoundSensorLine(const FoundSensor& sensor);
// Keys port, baud, address, model, firmware_version, device_type, serial_number (null when unknown).
std::wstring FoundSensorJson(const FoundSensor& sensor);

// A collision or a damaged answer at one address; empty for the other verdicts.
std::wstring ProbeProblemLine(const std::wstring& port, uint32_t baud, uint8_t address, ProbeVerdict verdict);
// Keys port, baud, address, problem ("collision" or "checksum").
std::wstring ProbeProblemJson(const std::wstring& port, uint32_t baud, uint8_t address, ProbeVerdict verdict);

std::wstring ScanProgressText(uint32_t baud, uint8_t address, std::size_t found, int64_t millisecondsLeft);
