// Everything one picture of the chart is drawn from; the page, the viewer and kivra-cli each fill
// one and hand it to the same drawing routine.
#pragma once

#include "ui/chart/AngleBands.h"
#include "ui/chart/SampleStore.h"
#include "ui/chart/TimeWindow.h"

#include <optional>
#include <vector>

struct ChartPoint {
    int x = 0;
    int y = 0;
};

struct ChartScene {
    const SampleStore* samples = nullptr;
    TimeRange visible;
    std::vector<SeriesId> shown;  // in the legend's order; those without values are left out
    std::vector<AngleBand> bands;
    std::optional<ChartPoint> pointer;  // in the picture's pixels: the readout where it points
    double zoom = 1.0;                  // text and lines grow with it, as the windows' do
};
