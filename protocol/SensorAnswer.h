// The contents of a response frame or an LLS frame that the tool acts on.
#pragma once

#include "protocol/SensorCodes.h"

#include <cstdint>

struct CSensorAnswer
{
    EAnswerCode code;
    uint8_t address;
    uint8_t status;        // Acknowledge: 0 accepted, anything else refused
    uint8_t subcode;       // ReadData
    const uint8_t* record; // identification or download-status record, data record, settings block
    unsigned recordLength; // at least 32, the data record's bytes after the two header bytes, or 96
};

// Takes a whole response frame apart. False for the codes the tool does not interpret and for
// frames shorter than their code needs or with wrong marker bytes: such frames have no effect.
bool InterpretAnswer(const uint8_t* frame, unsigned length, CSensorAnswer& answer);

struct CLlsData
{
    uint8_t address;
    int8_t temperature; // degrees Celsius
    uint16_t parameter1;
    uint16_t parameter2;
};

// True for the data answer of LLS commands 6 and 7 (9 bytes), the only LLS frames with values.
bool InterpretLlsData(const uint8_t* frame, unsigned length, CLlsData& data);
