// The decoded contents of one frame, as the "fields" of the decoder's output.
#pragma once

#include "Json.h"

#include <cstdint>

// Each takes a whole frame as its recogniser found it.
CJson RequestFields(const uint8_t* frame, unsigned length);
// Answers the tool would consume without effect carry one field, "ignored", saying why.
CJson ResponseFields(const uint8_t* frame, unsigned length);
CJson LlsFields(const uint8_t* frame, unsigned length);
