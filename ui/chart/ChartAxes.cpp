// Which shown series go where, and the ranges of the axes that scale to what is shown.
#include "ui/chart/ChartAxes.h"

#include <algorithm>
#include <cmath>

std::optional<ValueRange> ValueExtent(const SampleStore& samples, const std::vector<std::size_t>& series,
                                      TimeRange range)
{
    std::optional<ValueRange> extent;
    const std::size_t from = samples.LowerBound(range.begin);
    const std::size_t to = samples.LowerBound(range.end + 1);
    for (std::size_t s : series)
        for (std::size_t i = from; i < to; ++i) {
            const float value = samples.ValueAt(s, i);
            if (std::isnan(value))
                continue;
            if (!extent)
                extent = ValueRange{value, value};
            extent->low = std::min<double>(extent->low, value);
            extent->high = std::max<double>(extent->high, value);
        }
    return extent;
}

ChartAxes ArrangeAxes(const SampleStore& samples, const std::vector<SeriesId>& shown, TimeRange visible, int maxTicks)
{
    ChartAxes axes;
    std::vector<std::size_t> temperature;
    std::vector<std::size_t> values;
    for (const SeriesId& id : shown) {
        const std::optional<std::size_t> found = samples.FindSeries(id);
        if (!found || !samples.HasValues(*found))
            continue;
        switch (AxisOf(id.kind)) {
        case SeriesAxis::Strip:
            axes.strip.push_back(*found);
            continue;
        case SeriesAxis::Angle:
            axes.angle = true;
            break;
        case SeriesAxis::Temperature:
            temperature.push_back(*found);
            break;
        case SeriesAxis::Values:
            values.push_back(*found);
            break;
        }
        axes.plotted.push_back(*found);
    }
    // An axis with nothing in view keeps a range, so its ticks do not vanish with the values.
    const auto scaled = [&](const std::vector<std::size_t>& series) -> std::optional<ValueRange> {
        if (series.empty())
            return std::nullopt;
        const std::optional<ValueRange> extent = ValueExtent(samples, series, visible);
        return RoundRange(extent ? extent->low : 0, extent ? extent->high : 1, maxTicks);
    };
    axes.temperature = scaled(temperature);
    axes.values = scaled(values);
    return axes;
}
