// Frame search over received bytes, shared by the sensor session and the trace decoder.
#include "protocol/FrameScan.h"

#include "protocol/FrameRecognisers.h"

namespace {

struct CRecogniser {
    EFrameFamily family;
    int (*recognise)(const uint8_t*, unsigned, unsigned&);
};

constexpr CRecogniser kRecognisers[] = {
    {FamilyLls, RecogniseLls},
    {FamilyResponse, RecogniseResponse},
    {FamilyRequest, RecogniseRequest},
};

} // namespace

unsigned ScanFrames(const uint8_t* p, unsigned n, unsigned families, CFrameVisitor& visitor)
{
    unsigned pos = 0;
    long long lastEnd = -1;
    long long firstPartial = -1;
    while (pos < n) {
        unsigned length = 0;
        const CRecogniser* found = nullptr;
        for (const CRecogniser& r : kRecognisers) {
            if (!(families & r.family))
                continue;
            const int match = r.recognise(p + pos, n - pos, length);
            if (match == FrameIncomplete && firstPartial < 0)
                firstPartial = pos;
            if (match == FrameFound) {
                found = &r;
                break;
            }
        }
        if (found) {
            visitor.OnFrame(found->family, pos, p + pos, length);
            pos += length;
            lastEnd = pos;
            firstPartial = -1;
        } else {
            ++pos;
        }
    }
    long long cut = lastEnd;
    if (cut < firstPartial)
        cut = firstPartial;
    if (cut < 0)
        cut = n;
    return static_cast<unsigned>(cut);
}
