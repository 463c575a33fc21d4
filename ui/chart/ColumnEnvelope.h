// A series brought down to what a screen can show: per pixel column of the plot, the lowest,
// highest, first and last value of the samples that fall into it. A million samples draw as a
// few hundred strokes, and no peak between two drawn points is lost.
#pragma once

#include "ui/chart/SampleStore.h"
#include "ui/chart/TimeWindow.h"

#include <vector>

struct ColumnSpan {
    int column = 0;  // may lie left of 0 or right of the last column: the samples just outside
    float low = 0;
    float high = 0;
    float first = 0;
    float last = 0;
    bool joined = false;  // the line comes from the previous span's last value
    bool operator==(const ColumnSpan&) const = default;
};

// The samples within range across width columns, and the one sample either side of it, so that
// lines run to the edges. A sample without a value breaks the line.
std::vector<ColumnSpan> SeriesColumns(const SampleStore& samples, std::size_t series, TimeRange range, int width);
