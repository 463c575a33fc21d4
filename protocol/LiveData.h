// The sensor's live values as the data answers deliver them.
#pragma once

#include <cstddef>
#include <cstdint>

// A 16-bit value the sensor has no reading for.
constexpr std::int32_t kNoValue = -32768;

constexpr std::size_t kMaxExtraValues = 16;

// A value the sensor adds on request: its value code and reading.
struct ExtraValue {
    std::uint16_t code = 0;
    std::int16_t value = 0;
};

struct LiveData {
    std::int32_t temperature = 0;  // hundredths of a degree Celsius
    std::int32_t auxiliary = 0;    // hundredths
    std::int32_t angle = 0;        // hundredths of a degree
    std::int32_t lls[2] = {0, 0};
    std::int32_t outputValue[2] = {0, 0};
    std::int32_t magnet[2] = {0, 0};
    float vector[3] = {0, 0, 0};
    std::int32_t diagnosticFlags = 0;  // bit 0 C, bit 1 T, bit 2 A
    std::uint32_t diagnosticWord = 0;  // not interpreted
    std::uint32_t sw = 0;
    std::uint32_t extraCount = 0;
    ExtraValue extras[kMaxExtraValues];
};

// The display texts a data answer brings up to date.
enum DisplayTextGroup : unsigned {
    kTextTemperature = 0x001,
    kTextAngle = 0x002,
    kTextVector = 0x004,
    kTextAuxiliary = 0x008,
    kTextDiagnostics = 0x010,
    kTextLls = 0x020,
    kTextOutputs = 0x040,
    kTextExtras = 0x080,
    kTextMagnets = 0x100,
    kLlsDataTextGroups = kTextTemperature | kTextLls,
};

// record: the data answer's bytes after its subcode and marker. Stores the
// fields the record of the subcode carries; false, with live untouched, when
// the subcode is unknown or the record too short for it (subcodes 6 and 7
// need two bytes for every bit set in their mask).
bool ApplyDataRecord(std::uint8_t subcode, const std::uint8_t* record, std::size_t length, LiveData& live);

// What the answer of a subcode brings up to date; 0 for an unknown subcode.
unsigned DataAnswerTextGroups(std::uint8_t subcode);

// The data answer of an LLS frame: temperature in whole degrees and the two
// LLS parameters.
void ApplyLlsData(std::int8_t temperature, std::uint16_t parameter1, std::uint16_t parameter2, LiveData& live);
