// Recognising request, response and LLS frames by prefix, length and checksum.
#include "protocol/FrameRecognisers.h"

#include "protocol/CrcEngine.h"
#include "protocol/SensorCodes.h"

namespace {

constexpr uint8_t LlsSecondReadingCommand = 7;
constexpr unsigned LlsSecondReadingLength = 9;

bool ChecksumFits(const uint8_t* p, unsigned length)
{
    return SensorCrc().Compute(p, length - 1) == p[length - 1];
}

int RecogniseCommandFrame(uint8_t prefix, const uint8_t* p, unsigned available, unsigned& length)
{
    if (available == 0 || p[0] != prefix)
        return NotAFrame;
    if (available < 4)
        return FrameIncomplete;
    const unsigned total = p[1] + 5u;
    if (total > available)
        return FrameIncomplete;
    if (!ChecksumFits(p, total))
        return NotAFrame;
    length = total;
    return FrameFound;
}

} // namespace

unsigned LlsFrameLength(uint8_t command)
{
    switch (command) {
    case 2: return 8;
    case 5: return 18;
    case 6: return 9;
    case 35: return 69;
    case 1: case 3: case 4: case 17: case 18: case 19: case 20: case 21: case 23: case 34: return 5;
    default: return command >= 7 && command <= 15 ? 5 : 4;
    }
}

int RecogniseResponse(const uint8_t* p, unsigned available, unsigned& length)
{
    return RecogniseCommandFrame(ResponsePrefix, p, available, length);
}

int RecogniseRequest(const uint8_t* p, unsigned available, unsigned& length)
{
    return RecogniseCommandFrame(RequestPrefix, p, available, length);
}

int RecogniseLls(const uint8_t* p, unsigned available, unsigned& length)
{
    if (available == 0 || p[0] != LlsPrefix)
        return NotAFrame;
    if (available < 4)
        return FrameIncomplete;
    unsigned total = LlsFrameLength(p[2]);
    if (total > available)
        return FrameIncomplete;
    bool fits = ChecksumFits(p, total);
    if (!fits && p[2] == LlsSecondReadingCommand) {
        total = LlsSecondReadingLength;
        if (total > available)
            return FrameIncomplete;
        fits = ChecksumFits(p, total);
    }
    if (!fits)
        return NotAFrame;
    length = total;
    return FrameFound;
}
