// The stretch of time the chart shows. Following, its right edge is the newest sample; paused or
// moved by hand, it stays where it was put, within the samples there are.
#pragma once

#include <cstdint>

// Milliseconds on the chart's time line, begin to end.
struct TimeRange {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    std::int64_t Span() const { return end - begin; }
    bool operator==(const TimeRange&) const = default;
};

// The spans the chart page offers.
constexpr std::int64_t kMinuteMs = 60000;
constexpr std::int64_t kWindowSpans[] = {1 * kMinuteMs, 5 * kMinuteMs, 15 * kMinuteMs, 60 * kMinuteMs};
// Zoomed in no further than this: a poll comes a few times a second at most.
constexpr std::int64_t kShortestSpan = 2000;

class TimeWindow {
public:
    explicit TimeWindow(std::int64_t span = kWindowSpans[0]);

    // Attributes
    std::int64_t Span() const { return m_span; }
    bool Following() const { return m_following; }
    // What is shown of samples that lie over extent.
    TimeRange Visible(TimeRange extent) const;

    // Operations
    // A new span with the right edge kept.
    void SetSpan(std::int64_t span, TimeRange extent);
    // Stops where the window stands now; Follow takes it to the newest again.
    void Hold(TimeRange extent);
    void Follow();
    // The whole extent at once, held.
    void ShowAll(TimeRange extent);
    // factor below 1 zooms in, above 1 out; the time at the pointer stays where it is on screen.
    void ZoomAround(std::int64_t time, double factor, TimeRange extent);
    // Later for a positive delta; held afterwards, within the extent.
    void Scroll(std::int64_t delta, TimeRange extent);

private:
    void Clamp(TimeRange extent);

    std::int64_t m_span;
    std::int64_t m_end = 0;  // the right edge while held
    bool m_following = true;
};
