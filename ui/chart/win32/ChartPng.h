// The chart as a PNG file: painted by the chart's drawing routine into a bitmap of the given
// size and encoded by GDI+ (which the caller has started), as the image buttons decode theirs.
#pragma once

#include "ui/chart/ChartScene.h"
#include "ui/window/LayoutRect.h"

#include <cstdint>
#include <string>

// 0 when the file is written, else the system's error code; a file that could not be written
// whole is removed again.
std::uint32_t SaveChartPng(const std::wstring& path, const ChartScene& scene, LayoutSize size);
