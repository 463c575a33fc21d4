// The scan over a run of received bytes that finds frames and says how much of the run is done with.
#pragma once

#include <cstdint>

enum EFrameFamily : unsigned { FamilyLls = 1, FamilyResponse = 2, FamilyRequest = 4 };

class CFrameVisitor
{
public:
    // frame = the scanned bytes + offset.
    virtual void OnFrame(EFrameFamily family, unsigned offset, const uint8_t* frame, unsigned length) = 0;

protected:
    ~CFrameVisitor() = default;
};

// Tries the recognisers of the given families (LLS, then response, then request) at every
// position of p[0..n-1] and hands each frame found to the visitor, in order. Returns the number of
// leading bytes that can be dropped: everything up to the end of the last frame, or up to the
// first frame start that is still incomplete, whichever is later; all n bytes when nothing is
// recognisable at all.
unsigned ScanFrames(const uint8_t* p, unsigned n, unsigned families, CFrameVisitor& visitor);
