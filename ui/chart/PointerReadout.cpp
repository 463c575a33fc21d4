// What lies under the pointer.
#include "ui/chart/PointerReadout.h"

#include "protocol/FormatText.h"
#include "ui/chart/AxisTicks.h"

#include <cmath>

std::int64_t TimeAtColumn(const ChartLayout& layout, TimeRange visible, int x)
{
    const LinearScale scale{double(layout.plot.left), double(layout.plot.right), double(visible.begin),
                            double(visible.end)};
    return std::llround(scale.Map(x));
}

int ColumnOfTime(const ChartLayout& layout, TimeRange visible, std::int64_t time)
{
    const LinearScale scale{double(visible.begin), double(visible.end), double(layout.plot.left),
                            double(layout.plot.right)};
    return int(std::lround(scale.Map(double(time))));
}

std::optional<std::size_t> SampleNear(const SampleStore& samples, std::int64_t time, TimeRange visible)
{
    const std::size_t first = samples.LowerBound(visible.begin);
    const std::size_t end = samples.LowerBound(visible.end + 1);
    if (first >= end)
        return std::nullopt;
    std::size_t at = samples.LowerBound(time);
    if (at >= end)
        return end - 1;
    if (at > first && time - samples.TimeAt(at - 1) <= samples.TimeAt(at) - time)
        return at - 1;
    return at;
}

std::optional<PointerReadout> ReadOut(const SampleStore& samples, const ChartLayout& layout, TimeRange visible,
                                      const std::vector<std::size_t>& series, int x, int y)
{
    if (PartAt(layout, x, y) == ChartPart::Outside)
        return std::nullopt;
    const std::optional<std::size_t> sample = SampleNear(samples, TimeAtColumn(layout, visible, x), visible);
    if (!sample)
        return std::nullopt;
    PointerReadout readout{samples.TimeAt(*sample), *sample, {}};
    for (std::size_t s : series)
        readout.values.push_back(ReadoutValue{s, ReadoutText(samples.SeriesAt(s).kind, samples.ValueAt(s, *sample))});
    return readout;
}

std::wstring ReadoutText(SeriesKind kind, float value)
{
    if (std::isnan(value))
        return std::wstring();
    switch (AxisOf(kind)) {
    case SeriesAxis::Angle:
    case SeriesAxis::Temperature:
        return FormatText(L"%.1f", double(value));
    case SeriesAxis::Strip:
        return value != 0 ? L"1" : L"0";
    case SeriesAxis::Values:
        break;
    }
    if (value == std::floor(value) && std::fabs(value) < 1e9)
        return FormatText(L"%.0f", double(value));
    return FormatText(L"%g", double(value));
}

std::wstring SampleText(const SampleStore& samples, std::size_t sample, const std::vector<SeriesId>& shown)
{
    std::wstring text = TimeLabel(samples.TimeAt(sample), true);
    for (const SeriesId& id : shown) {
        const std::optional<std::size_t> series = samples.FindSeries(id);
        if (!series)
            continue;
        const std::wstring value = ReadoutText(id.kind, samples.ValueAt(*series, sample));
        if (!value.empty())
            text += L"; " + SeriesName(id) + L": " + value;
    }
    return text;
}
