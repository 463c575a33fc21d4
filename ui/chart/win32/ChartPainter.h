// The one drawing routine of the chart (GDI): the page and the viewer paint their windows with it
// through a memory bitmap, kivra-cli and "Save chart as picture..." paint a PNG's pixels with it.
#pragma once

#include "ui/chart/ChartLayout.h"
#include "ui/chart/ChartScene.h"

#include <windows.h>

// The layout the scene gets in area on dc: the window asks it again to read the pointer.
ChartLayout ChartLayoutFor(HDC dc, const LayoutRect& area, const ChartScene& scene);

void PaintChart(HDC dc, const LayoutRect& area, const ChartScene& scene);
