// Recognisers of the three frame families at the start of a run of received bytes.
#pragma once

#include <cstdint>

enum EFrameMatch { NotAFrame = 0, FrameIncomplete = 1, FrameFound = 2 };

// Each looks at p[0..available-1]. FrameFound sets length to the frame's total length; a
// checksum that does not fit makes the bytes NotAFrame, so a scan steps over them.
int RecogniseResponse(const uint8_t* p, unsigned available, unsigned& length);
int RecogniseRequest(const uint8_t* p, unsigned available, unsigned& length);
// A command-7 frame is taken as 5 bytes, or as 9 when those do not check.
int RecogniseLls(const uint8_t* p, unsigned available, unsigned& length);

// Total length of an LLS frame as its command byte announces it (the 5-byte reading of 7).
unsigned LlsFrameLength(uint8_t command);
