// The live values as the windows show them.
#pragma once

#include "protocol/LiveData.h"

#include <string>

// Default-constructed: the state after a reset (no text, outputs and magnet
// detectors shown as clear).
struct DisplayTexts {
    std::wstring temperature;
    std::wstring angle;
    std::wstring auxiliary;
    std::wstring vector;
    std::wstring lls[2];
    std::wstring outputValue[2];
    int outputState[2] = {-1, -1};  // 0 when the output's value is 0, else -1
    int magnetState[2] = {1, 1};    // 0 when the detector reads non-zero, else 1
    std::wstring diagnostics;
    std::size_t extraCount = 0;
    std::wstring extraName[kMaxExtraValues];
    std::wstring extraValue[kMaxExtraValues];
};

// Rebuilds the texts of the given groups (DisplayTextGroup bits) from live.
void RebuildDisplayTexts(const LiveData& live, unsigned groups, DisplayTexts& texts);
