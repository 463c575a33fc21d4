// What kivra-cli's chart command is asked to draw: the data-log file, the picture, the stretch of
// the log, the picture's size and the series.
#pragma once

#include "ui/chart/ChartSeries.h"
#include "ui/chart/TimeWindow.h"
#include "ui/cli/CliArguments.h"
#include "ui/window/LayoutRect.h"

#include <optional>
#include <string>
#include <vector>

// A picture as large as a window's chart on a common screen, unless --size says otherwise.
constexpr LayoutSize kDefaultPictureSize{1000, 600};
constexpr int kSmallestPictureSide = 200;
constexpr int kLargestPictureSide = 4000;

struct ChartRequest {
    std::wstring log;
    std::wstring picture;
    std::optional<double> fromSeconds;  // from the start of the log
    std::optional<double> toSeconds;
    LayoutSize size = kDefaultPictureSize;
    std::vector<SeriesId> series;  // empty: every series of the log
};

// The chart command's options, checked; false with error when one is malformed.
bool MakeChartRequest(const CliArguments& arguments, ChartRequest& request, std::wstring& error);

// The stretch drawn of a log whose samples lie over extent: from --from to --to, counted from
// the log's start, else all of it; never shorter than the chart's shortest span.
TimeRange PictureRange(const ChartRequest& request, TimeRange extent);

// The text grows with pictures larger than the default, as a zoomed window's does.
double PictureZoom(LayoutSize size);
