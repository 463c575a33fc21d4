// What the chart can show: the sensor's values, each a series, with the axis it is drawn against.
#include "ui/chart/ChartSeries.h"

#include "protocol/ValueCodes.h"
#include "runtime/ResourceText.h"
#include "ui/resources/chart_ids.h"

#include <algorithm>
#include <cwchar>

namespace {

struct KindEntry {
    SeriesKind kind;
    const wchar_t* key;
    unsigned nameId;
};

const KindEntry kKinds[] = {
    {SeriesKind::Angle, L"angle", IDS_CHART_ANGLE},
    {SeriesKind::Temperature, L"temperature", IDS_CHART_TEMPERATURE},
    {SeriesKind::Lls1, L"lls1", IDS_CHART_LLS1},
    {SeriesKind::Lls2, L"lls2", IDS_CHART_LLS2},
    {SeriesKind::VectorX, L"vector_x", IDS_CHART_VECTOR_X},
    {SeriesKind::VectorY, L"vector_y", IDS_CHART_VECTOR_Y},
    {SeriesKind::VectorZ, L"vector_z", IDS_CHART_VECTOR_Z},
    {SeriesKind::Auxiliary, L"auxiliary", IDS_CHART_AUXILIARY},
    {SeriesKind::Output1, L"output1", IDS_CHART_OUTPUT1},
    {SeriesKind::Output2, L"output2", IDS_CHART_OUTPUT2},
    {SeriesKind::Magnet1, L"magnet1", IDS_CHART_MAGNET1},
    {SeriesKind::Magnet2, L"magnet2", IDS_CHART_MAGNET2},
};

constexpr const wchar_t* kExtraPrefix = L"extra";
// Value codes travel as the bit positions of a 32-bit mask.
constexpr unsigned kMaxValueCode = 31;

}  // namespace

SeriesAxis AxisOf(SeriesKind kind)
{
    switch (kind) {
    case SeriesKind::Angle:
        return SeriesAxis::Angle;
    case SeriesKind::Temperature:
        return SeriesAxis::Temperature;
    case SeriesKind::Output1:
    case SeriesKind::Output2:
    case SeriesKind::Magnet1:
    case SeriesKind::Magnet2:
        return SeriesAxis::Strip;
    case SeriesKind::Lls1:
    case SeriesKind::Lls2:
    case SeriesKind::VectorX:
    case SeriesKind::VectorY:
    case SeriesKind::VectorZ:
    case SeriesKind::Auxiliary:
    case SeriesKind::Extra:
        return SeriesAxis::Values;
    }
    return SeriesAxis::Values;
}

std::wstring SeriesKey(SeriesId id)
{
    if (id.kind == SeriesKind::Extra)
        return kExtraPrefix + std::to_wstring(id.code);
    for (const KindEntry& entry : kKinds)
        if (entry.kind == id.kind)
            return entry.key;
    return std::wstring();
}

bool ParseSeriesKey(const std::wstring& key, SeriesId& id)
{
    for (const KindEntry& entry : kKinds)
        if (key == entry.key) {
            id = SeriesId{entry.kind, 0};
            return true;
        }
    const std::wstring prefix = kExtraPrefix;
    if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0)
        return false;
    const std::wstring digits = key.substr(prefix.size());
    if (digits.size() > 2 || !std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return false;
    const unsigned long code = std::wcstoul(digits.c_str(), nullptr, 10);
    if (code > kMaxValueCode)
        return false;
    id = SeriesId{SeriesKind::Extra, static_cast<std::uint16_t>(code)};
    return true;
}

std::wstring SeriesName(SeriesId id)
{
    if (id.kind == SeriesKind::Extra)
        return ValueCodeName(id.code);
    for (const KindEntry& entry : kKinds)
        if (entry.kind == id.kind)
            return LoadResourceText(entry.nameId);
    return std::wstring();
}

std::wstring LaneName(SeriesId id)
{
    switch (id.kind) {
    case SeriesKind::Output1:
        return LoadResourceText(IDS_CHART_LANE_OUTPUT1);
    case SeriesKind::Output2:
        return LoadResourceText(IDS_CHART_LANE_OUTPUT2);
    case SeriesKind::Magnet1:
        return LoadResourceText(IDS_CHART_LANE_MAGNET1);
    case SeriesKind::Magnet2:
        return LoadResourceText(IDS_CHART_LANE_MAGNET2);
    default:
        return SeriesName(id);
    }
}
