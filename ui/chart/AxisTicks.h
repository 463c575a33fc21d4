// The chart's axes: where a value or a time lands in pixels, and the ticks with their labels.
#pragma once

#include "ui/chart/TimeWindow.h"

#include <cstdint>
#include <string>
#include <vector>

// A straight map from one range onto another; the pixel range may run backwards (values grow
// upwards on the screen).
struct LinearScale {
    double from0 = 0;
    double from1 = 1;
    double to0 = 0;
    double to1 = 1;

    double Map(double value) const;
    double Unmap(double pixel) const;
};

struct ValueRange {
    double low = 0;
    double high = 0;
    bool operator==(const ValueRange&) const = default;
};

struct Tick {
    double value = 0;  // for the time axis: milliseconds
    std::wstring label;
    bool operator==(const Tick&) const = default;
};

// The angle's axis is fixed: the sensor's range, marked every 30 degrees.
constexpr ValueRange kAngleRange{0, 180};
constexpr double kAngleTickStep = 30;

// A range for values between low and high whose bounds fall on a round step (1, 2 or 5 times a
// power of ten), with at most maxTicks steps across; one value alone gets a step either side.
ValueRange RoundRange(double low, double high, int maxTicks);
// Ticks at round steps inside range, at most maxTicks of them, labelled with as many decimals as
// the step needs.
std::vector<Tick> ValueTicks(ValueRange range, int maxTicks);
std::vector<Tick> StepTicks(ValueRange range, double step);

// Ticks at whole seconds, minutes or hours inside range (never before 0), at most maxTicks.
std::vector<Tick> TimeTicks(TimeRange range, int maxTicks);
// Elapsed time as the axis shows it: "m:ss", or "h:mm:ss" from an hour on; tenths with
// withTenths ("1:02.5"), for the pointer's readout.
std::wstring TimeLabel(std::int64_t ms, bool withTenths = false);
