// One line of live values per poll, as text or as a JSON object.
#pragma once

#include "protocol/DisplayTexts.h"

#include <cstdint>
#include <string>

struct LiveLineFacts {
    const DisplayTexts* texts = nullptr;
    bool magnetDetectors = false;  // the firmware has them
    int64_t elapsedMs = 0;  // since the first line
};

// "t=0.0s temperature=21.5 angle=45.0 lls1=.. lls2=.. output1=.. output2=.. [magnets=1,0] [NAME=VALUE..]";
std::wstring LiveTextLine(const LiveLineFacts& facts);
std::wstring LiveJsonLine(const LiveLineFacts& facts);

// Display texts carry the blanks of their fixed-width format; the command line drops them.
std::wstring TrimBlanks(const std::wstring& text);
