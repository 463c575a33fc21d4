// The chart of a connection: every live-value update becomes a sample of each value the session
// decodes, on a time line that starts with the connection's first sample, in bounded memory.
#pragma once

#include "protocol/DisplayTexts.h"
#include "protocol/LiveData.h"
#include "ui/chart/SampleStore.h"
#include "ui/chart/TimeWindow.h"

#include <cstdint>

class LiveChart {
public:
    LiveChart();

    // Attributes
    const SampleStore& Samples() const { return m_samples; }
    // From the first sample to the newest (both 0 before the first).
    TimeRange Extent() const;
    TimeWindow& Window() { return m_window; }
    const TimeWindow& Window() const { return m_window; }

    // Operations
    // A new connection: the samples of the previous one go, and the window follows the new ones
    // with the span it had.
    void Restart();
    // now: the process clock in milliseconds. A value is taken when the window shows one (its
    // text is not empty), so the zeros of a reset are no samples; the magnetic sensors only where
    // the firmware has them.
    void Take(const LiveData& live, const DisplayTexts& texts, std::int64_t now, bool magnets);

private:
    SampleStore m_samples;
    TimeWindow m_window;
    std::int64_t m_start = 0;
};
