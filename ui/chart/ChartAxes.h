// Which shown series go where, and the ranges of the axes that scale to what is shown: the
// temperature's and the other values' axes follow the samples in view; the angle's is fixed.
#pragma once

#include "ui/chart/AxisTicks.h"
#include "ui/chart/SampleStore.h"

#include <optional>
#include <vector>

struct ChartAxes {
    std::vector<std::size_t> plotted;  // series indices of the store, in the order shown
    std::vector<std::size_t> strip;    // the on/off traces, one lane each
    bool angle = false;
    std::optional<ValueRange> temperature;  // with its axis only when temperature is shown
    std::optional<ValueRange> values;       // the same for LLS, vector, auxiliary and extra values
};

// shown: the series asked for, in order; those the store has no value for are left out.
ChartAxes ArrangeAxes(const SampleStore& samples, const std::vector<SeriesId>& shown, TimeRange visible, int maxTicks);

// The lowest and highest value of the series within range, none when it has no value there.
std::optional<ValueRange> ValueExtent(const SampleStore& samples, const std::vector<std::size_t>& series,
                                      TimeRange range);
