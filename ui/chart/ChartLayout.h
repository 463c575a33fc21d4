// Where the parts of the chart go in a picture of a given size, scaled with the text: the legend
// on top, the plot with the angle's axis at its left and one axis per scaled quantity at its
// right, the strip of on/off lanes under it, the time axis at the bottom.
#pragma once

#include "ui/window/LayoutRect.h"

struct ChartTextMetrics {
    int height = 13;     // of a line of text, in pixels
    int digitWidth = 7;  // of one digit
};

struct ChartLayout {
    LayoutRect legend;
    LayoutRect plot;
    LayoutRect strip;  // empty without lanes
    int laneHeight = 0;
    LayoutRect timeLabels;
    int leftAxisWidth = 0;
    int rightAxisWidth = 0;  // of each right axis
    int tickLength = 0;
};

// rightAxes: 0, 1 or 2; lanes: the on/off traces under the plot; laneLabelWidth: the widest of
// their names in pixels, which the left margin makes room for.
ChartLayout LayOutChart(LayoutRect area, ChartTextMetrics text, int rightAxes, int lanes, int laneLabelWidth = 0);

// Which part of the chart a point lies in.
enum class ChartPart : unsigned char { Outside, Plot, Strip };
ChartPart PartAt(const ChartLayout& layout, int x, int y);
