// What came back to one identification request of a scan.
#pragma once

#include "protocol/IdentificationRecord.h"

#include <cstdint>
#include <vector>

enum class ProbeVerdict {
    Silent,    // nothing at all
    Answered,  // identification answers that check, and nothing else worth telling
    Collided,  // several sensors answered at once: more than one answer, or the common address garbled
    Damaged,   // bytes came but no answer checks: noise, or two sensors with one address
};

struct ProbeAnswer {
    uint8_t address = 0;  // the sender's own address, as its answer says
    SensorIdentification identification;
};

struct ProbeOutcome {
    ProbeVerdict verdict = ProbeVerdict::Silent;
    std::vector<ProbeAnswer> answers;  // every identification answer that checks, also beside a collision
};

// Takes the received bytes apart with the product's frame scan. Bytes that belong to no
// checked frame are what a collision or damage leaves; at the common address they mean more
// than one sensor answered (their bytes met on the line), at a sensor's own address a damaged
// answer; there two answers from that address are a collision. Checked answers of other
// kinds (a late settings answer) are passed over.
ProbeOutcome ClassifyProbe(const uint8_t* bytes, unsigned length, uint8_t askedAddress);

// The serial number from a settings answer of the sensor at address among the bytes; false
// when no such answer checks.
bool FindSettingsAnswer(const uint8_t* bytes, unsigned length, uint8_t address, uint32_t& serialNumber);
