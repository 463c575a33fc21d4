// The stretch of time the chart shows.
#include "ui/chart/TimeWindow.h"

#include <algorithm>
#include <cmath>

TimeWindow::TimeWindow(std::int64_t span) : m_span(std::max(span, kShortestSpan)) {}

TimeRange TimeWindow::Visible(TimeRange extent) const
{
    const std::int64_t end = m_following ? extent.end : m_end;
    return TimeRange{end - m_span, end};
}

void TimeWindow::SetSpan(std::int64_t span, TimeRange extent)
{
    m_span = std::max(span, kShortestSpan);
    if (!m_following)
        Clamp(extent);
}

void TimeWindow::Hold(TimeRange extent)
{
    if (m_following)
        m_end = extent.end;
    m_following = false;
}

void TimeWindow::Follow() { m_following = true; }

void TimeWindow::ShowAll(TimeRange extent)
{
    m_following = false;
    m_span = std::max(extent.Span(), kShortestSpan);
    m_end = extent.begin + m_span;
}

void TimeWindow::ZoomAround(std::int64_t time, double factor, TimeRange extent)
{
    const TimeRange shown = Visible(extent);
    const std::int64_t longest = std::max(extent.Span(), kShortestSpan);
    const std::int64_t span = std::clamp<std::int64_t>(std::llround(double(m_span) * factor), kShortestSpan, longest);
    // The pointer's share of the way across stays the same.
    const double share = shown.Span() > 0 ? double(time - shown.begin) / double(shown.Span()) : 1.0;
    m_following = false;
    m_span = span;
    m_end = time + std::llround((1.0 - share) * double(span));
    Clamp(extent);
}

void TimeWindow::Scroll(std::int64_t delta, TimeRange extent)
{
    const TimeRange shown = Visible(extent);
    m_following = false;
    m_end = shown.end + delta;
    Clamp(extent);
}

void TimeWindow::Clamp(TimeRange extent)
{
    // A window longer than the samples starts with them; a shorter one stays inside them.
    if (m_span >= extent.Span())
        m_end = extent.begin + m_span;
    else
        m_end = std::clamp(m_end, extent.begin + m_span, extent.end);
}
