// What the main window re-reads for the change bits of one "Updt notify".
#pragma once

#include <cstdint>

struct UpdatePassPlan
{
    bool selectAddress = false;      // the address combo follows the session's address
    bool refreshButtons = false;
    bool refreshStatusLine = false;
    bool refreshLiveView = false;    // magnet indicators and the gauge
    bool transferValues = false;     // every text and indicator from the session
};

// The pages and an open child dialog get the bits in every case; this plans the window's own part.
UpdatePassPlan PlanUpdatePass(std::uint32_t bits);
