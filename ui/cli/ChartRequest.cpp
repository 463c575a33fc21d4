// What kivra-cli's chart command is asked to draw.
#include "ui/cli/ChartRequest.h"

#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <cwctype>

namespace {

bool ReadSeconds(const std::wstring& text, std::optional<double>& seconds)
{
    if (text.empty())
        return true;
    wchar_t* end = nullptr;
    const double value = std::wcstod(text.c_str(), &end);
    if (*end != L'\0' || !std::isfinite(value) || value < 0 || !std::iswdigit(text[0]))
        return false;
    seconds = value;
    return true;
}

bool ReadSide(const std::wstring& text, int& side)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswdigit(c); }))
        return false;
    side = std::stoi(text);
    return side >= kSmallestPictureSide && side <= kLargestPictureSide;
}

bool ReadSize(const std::wstring& text, LayoutSize& size)
{
    const std::size_t x = text.find(L'x');
    return x != std::wstring::npos && ReadSide(text.substr(0, x), size.width) && ReadSide(text.substr(x + 1), size.height);
}

bool ReadSeries(const std::wstring& text, std::vector<SeriesId>& series)
{
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = text.find(L',', at);
        SeriesId id;
        if (!ParseSeriesKey(text.substr(at, comma - at), id))
            return false;
        if (std::find(series.begin(), series.end(), id) == series.end())
            series.push_back(id);
        if (comma == std::wstring::npos)
            return true;
        at = comma + 1;
    }
}

std::wstring SeriesKeys()
{
    std::wstring keys;
    for (SeriesKind kind : {SeriesKind::Angle, SeriesKind::Temperature, SeriesKind::Lls1, SeriesKind::Lls2,
                            SeriesKind::VectorX, SeriesKind::VectorY, SeriesKind::VectorZ, SeriesKind::Auxiliary})
        keys += (keys.empty() ? L"" : L", ") + SeriesKey(SeriesId{kind, 0});
    return keys;
}

}  // namespace

bool MakeChartRequest(const CliArguments& arguments, ChartRequest& request, std::wstring& error)
{
    ChartRequest r;
    const auto bad = [&](const wchar_t* option, const std::wstring& value, const std::wstring& rule) {
        error = CliText(IDS_CLI_ARG_BAD_VALUE, {option, value, rule});
        return false;
    };
    if (!arguments.operands.empty())
        r.log = arguments.operands[0];
    r.picture = arguments.out;
    if (r.picture.empty()) {
        error = CliText(IDS_CLI_ARG_CHART_OUT);
        return false;
    }
    if (!ReadSeconds(arguments.from, r.fromSeconds))
        return bad(L"--from", arguments.from, CliText(IDS_CLI_ARG_SECONDS));
    if (!ReadSeconds(arguments.to, r.toSeconds))
        return bad(L"--to", arguments.to, CliText(IDS_CLI_ARG_SECONDS));
    if (r.toSeconds && *r.toSeconds <= r.fromSeconds.value_or(0)) {
        error = CliText(IDS_CLI_ARG_TO_AFTER_FROM);
        return false;
    }
    if (!arguments.size.empty() && !ReadSize(arguments.size, r.size))
        return bad(L"--size", arguments.size, CliText(IDS_CLI_ARG_SIZE));
    if (!arguments.series.empty() && !ReadSeries(arguments.series, r.series))
        return bad(L"--series", arguments.series, CliText(IDS_CLI_ARG_SERIES, {SeriesKeys()}));
    request = r;
    return true;
}

TimeRange PictureRange(const ChartRequest& request, TimeRange extent)
{
    const auto at = [&](double seconds) { return extent.begin + std::llround(seconds * 1000); };
    TimeRange range{request.fromSeconds ? at(*request.fromSeconds) : extent.begin,
                    request.toSeconds ? at(*request.toSeconds) : extent.end};
    if (range.Span() < kShortestSpan)
        range.end = range.begin + kShortestSpan;
    return range;
}

double PictureZoom(LayoutSize size)
{
    const double zoom = std::min(double(size.width) / kDefaultPictureSize.width,
                                 double(size.height) / kDefaultPictureSize.height);
    return std::clamp(zoom, 1.0, 3.0);
}
