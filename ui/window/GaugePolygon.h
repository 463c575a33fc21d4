// The filled area of the inclination gauge: a quadrilateral bounded by a line
// through the centre of the control, tilted by the gauge's angle.
#pragma once

#include <array>

#include "ui/window/LayoutRect.h"

struct GaugePoint {
    int x = 0;
    int y = 0;
    bool operator==(const GaugePoint&) const = default;
};

// The filled colour, RGB(0, 220, 0) as a COLORREF (0x00BBGGRR).
constexpr unsigned long kGaugeFillColor = 0x0000DC00UL;

using GaugePolygonPoints = std::array<GaugePoint, 4>;

// The four corners of the filled area for a position in whole degrees, first
// always the bottom-right corner. Positions repeat every 180 degrees (180 draws
// as 0; a negative position counts back from 180). Up to 45 and from 135
// degrees the area lies below a line rising by the tilt across the width; from
// 46 to 134 it lies right of a line moving by the tilt across the height. Points
// may lie outside the rectangle; the drawing clips them.
GaugePolygonPoints GaugePolygon(const LayoutRect& client, int position);
