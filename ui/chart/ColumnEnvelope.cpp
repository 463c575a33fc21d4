// A series brought down to per-column spans of its values.
#include "ui/chart/ColumnEnvelope.h"

#include <algorithm>
#include <cmath>

std::vector<ColumnSpan> SeriesColumns(const SampleStore& samples, std::size_t series, TimeRange range, int width)
{
    std::vector<ColumnSpan> spans;
    if (width <= 0 || range.Span() <= 0 || samples.Size() == 0)
        return spans;
    std::size_t from = samples.LowerBound(range.begin);
    std::size_t to = samples.LowerBound(range.end + 1);
    from = from > 0 ? from - 1 : from;
    to = std::min(to + 1, samples.Size());
    bool broken = true;
    for (std::size_t i = from; i < to; ++i) {
        const float value = samples.ValueAt(series, i);
        if (std::isnan(value)) {
            broken = true;
            continue;
        }
        const double share = double(samples.TimeAt(i) - range.begin) / double(range.Span());
        // Samples far outside still give the direction of the line into the plot.
        const int column = int(std::clamp(std::floor(share * width), -double(width), 2.0 * width));
        if (!spans.empty() && spans.back().column == column && !broken) {
            ColumnSpan& span = spans.back();
            span.low = std::min(span.low, value);
            span.high = std::max(span.high, value);
            span.last = value;
            continue;
        }
        spans.push_back(ColumnSpan{column, value, value, value, value, !broken && !spans.empty()});
        broken = false;
    }
    return spans;
}
