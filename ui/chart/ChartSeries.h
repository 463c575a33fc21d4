// What the chart can show: the sensor's values, each a series, with the axis it is drawn against.
#pragma once

#include <cstdint>
#include <string>

enum class SeriesKind : std::uint8_t {
    Angle,
    Temperature,
    Lls1,
    Lls2,
    VectorX,
    VectorY,
    VectorZ,
    Auxiliary,
    Output1,
    Output2,
    Magnet1,
    Magnet2,
    Extra,  // a value the session decodes by its value code
};

struct SeriesId {
    SeriesKind kind = SeriesKind::Angle;
    std::uint16_t code = 0;  // the value code of an extra value; 0 otherwise
    bool operator==(const SeriesId&) const = default;
};

// Angle: the fixed 0..180° axis at the left; Temperature: its own axis at the right; Values:
// the other numbers on one more axis at the right, scaled to what is shown; Strip: the on/off
// traces in the strip under the plot.
enum class SeriesAxis : std::uint8_t { Angle, Temperature, Values, Strip };

SeriesAxis AxisOf(SeriesKind kind);

// The name kivra-cli's --series takes ("angle", "temperature", "lls1", "extra9", ...).
std::wstring SeriesKey(SeriesId id);
// False for a name that is no series.
bool ParseSeriesKey(const std::wstring& key, SeriesId& id);

// The series' name in the interface language, for the legend and the pointer's readout.
std::wstring SeriesName(SeriesId id);
// The short name beside a lane of the strip (on/off traces only; else the full name).
std::wstring LaneName(SeriesId id);
