// Which of a discrete output's condition controls can be used, from the output's settings texts.
#pragma once

#include <cstdint>

struct OutputTexts;

// The ten condition controls of an output, in mask-bit order (bit 0 first).
constexpr unsigned kOutputConditionControls = 10;

namespace ConditionMask
{
constexpr unsigned None = 0;
constexpr unsigned LabelsKindsDelays = 0xFF;  // bits 0..7: labels, kind lists, delay edits
constexpr unsigned InactiveRange = 0x100;
constexpr unsigned ActiveRange = 0x200;
}

// Control ids of output 1 and output 2, bit 0 first.
extern const int kOutputConditionIds[2][kOutputConditionControls];

// output: 0 or 1. A range edit is usable only for the kinds "in range" and "out of range";
// nothing is usable for an output without a source, nor for output 1 while it runs as a
// frequency output on firmware that has that mode.
unsigned OutputConditionMask(const OutputTexts& texts, int output, std::uint32_t firmwareVersion);
