// What lies under the pointer: the time at its column, the sample nearest to it and every shown
// value there, as the chart writes them next to the pointer's line.
#pragma once

#include "ui/chart/ChartLayout.h"
#include "ui/chart/SampleStore.h"
#include "ui/chart/TimeWindow.h"

#include <optional>
#include <string>
#include <vector>

struct ReadoutValue {
    std::size_t series = 0;
    std::wstring text;  // empty: no value at that moment
};

struct PointerReadout {
    std::int64_t time = 0;  // of the sample
    std::size_t sample = 0;
    std::vector<ReadoutValue> values;
};

// The time at a column of the plot (x in the layout's pixels).
std::int64_t TimeAtColumn(const ChartLayout& layout, TimeRange visible, int x);
// The x of a time, the inverse of TimeAtColumn.
int ColumnOfTime(const ChartLayout& layout, TimeRange visible, std::int64_t time);

// The sample nearest to time among those in visible; none when visible holds none.
std::optional<std::size_t> SampleNear(const SampleStore& samples, std::int64_t time, TimeRange visible);

// Over the plot or the strip: the nearest sample and the values of series there; none elsewhere
// or when no sample is in view.
std::optional<PointerReadout> ReadOut(const SampleStore& samples, const ChartLayout& layout, TimeRange visible,
                                      const std::vector<std::size_t>& series, int x, int y);

// One line of a sample's time and the shown series' values ("1:02.5; Angle, °: 45.2; ..."), the
// series without a value left out: the chart's text for those who cannot see it.
std::wstring SampleText(const SampleStore& samples, std::size_t sample, const std::vector<SeriesId>& shown);

// A value as the readout shows it: the angle and temperature to a tenth, the on/off traces as
// 0 or 1, others as they came (whole numbers without decimals).
std::wstring ReadoutText(SeriesKind kind, float value);
