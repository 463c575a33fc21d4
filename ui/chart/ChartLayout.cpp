// Where the parts of the chart go in a picture of a given size.
#include "ui/chart/ChartLayout.h"

#include <algorithm>

namespace {

// Widths in digits: the angle's "180" and the widest label of a scaled axis ("-32768"), with
// room for the tick.
constexpr int kLeftAxisDigits = 4;
constexpr int kRightAxisDigits = 6;

bool Inside(const LayoutRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

ChartLayout LayOutChart(LayoutRect area, ChartTextMetrics text, int rightAxes, int lanes, int laneLabelWidth)
{
    ChartLayout layout;
    const int line = std::max(text.height, 1);
    const int gap = std::max(line / 3, 2);
    layout.tickLength = std::max(line / 3, 3);
    layout.leftAxisWidth = std::max(kLeftAxisDigits * text.digitWidth, lanes > 0 ? laneLabelWidth : 0) +
                           layout.tickLength + gap;
    layout.rightAxisWidth = kRightAxisDigits * text.digitWidth + layout.tickLength + gap;
    layout.laneHeight = lanes > 0 ? line + gap : 0;

    const int left = area.left + layout.leftAxisWidth + gap;
    const int right = std::max(left + 1, area.right - gap - std::clamp(rightAxes, 0, 2) * layout.rightAxisWidth);
    // Legend, then the axis titles over the axes, both one line of text.
    layout.legend = LayoutRect{area.left + gap, area.top + gap, area.right - gap, area.top + gap + line};
    const int plotTop = layout.legend.bottom + gap + line + gap;
    layout.timeLabels = LayoutRect{left, area.bottom - gap - 2 * line, right, area.bottom - gap};
    const int stripHeight = lanes * layout.laneHeight;
    const int stripBottom = layout.timeLabels.top - layout.tickLength;
    const int stripTop = stripHeight > 0 ? stripBottom - stripHeight : stripBottom;
    const int plotBottom = std::max(plotTop + 1, stripHeight > 0 ? stripTop - gap : stripBottom);
    layout.plot = LayoutRect{left, plotTop, right, plotBottom};
    layout.strip = stripHeight > 0 ? LayoutRect{left, std::max(stripTop, plotBottom + 1), right, stripBottom} : LayoutRect{};
    return layout;
}

ChartPart PartAt(const ChartLayout& layout, int x, int y)
{
    if (Inside(layout.plot, x, y))
        return ChartPart::Plot;
    if (Inside(layout.strip, x, y))
        return ChartPart::Strip;
    return ChartPart::Outside;
}
