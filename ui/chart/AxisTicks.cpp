// The chart's axes: where a value or a time lands in pixels, and the ticks with their labels.
#include "ui/chart/AxisTicks.h"

#include "protocol/FormatText.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest of 1, 2 or 5 times a power of ten that is not below rough.
double RoundStep(double rough)
{
    if (!(rough > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough * (1 - 1e-9))
            return factor * power;
    return 10 * power;
}

int DecimalsFor(double step)
{
    int decimals = 0;
    while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return decimals;
}

std::wstring ValueLabel(double value, int decimals)
{
    // No "-0" for a tick that lands on zero through rounding.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return FormatText(L"%.*f", decimals, value);
}

// Steps of the time axis: seconds, minutes, hours.
constexpr std::int64_t kSecondMs = 1000;
constexpr std::int64_t kHourMs = 3600000;
constexpr std::int64_t kTimeSteps[] = {1 * kSecondMs,  2 * kSecondMs,  5 * kSecondMs,  10 * kSecondMs,
                                       15 * kSecondMs, 30 * kSecondMs, 1 * kMinuteMs,  2 * kMinuteMs,
                                       5 * kMinuteMs,  10 * kMinuteMs, 15 * kMinuteMs, 30 * kMinuteMs,
                                       1 * kHourMs,    2 * kHourMs,    3 * kHourMs,    6 * kHourMs,
                                       12 * kHourMs,   24 * kHourMs};

}  // namespace

double LinearScale::Map(double value) const
{
    if (from1 == from0)
        return to0;
    return to0 + (value - from0) * (to1 - to0) / (from1 - from0);
}

double LinearScale::Unmap(double pixel) const
{
    if (to1 == to0)
        return from0;
    return from0 + (pixel - to0) * (from1 - from0) / (to1 - to0);
}

ValueRange RoundRange(double low, double high, int maxTicks)
{
    if (high < low)
        std::swap(low, high);
    const int steps = std::max(maxTicks - 1, 1);
    double step = RoundStep((high - low) / steps);
    if (high == low)
        step = RoundStep(std::max(std::fabs(low) / 10, 1e-3));
    // Rounding both ends outwards can take one step more than allowed; a step larger then fits.
    for (;;) {
        // Quotients a hair off a whole number are that number: the step itself is rounded.
        double from = std::floor(low / step + 1e-9) * step;
        double to = std::ceil(high / step - 1e-9) * step;
        if (to == from) {
            from -= step;
            to += step;
        }
        if ((to - from) / step <= steps + 1e-9 || step > 1e300)
            return ValueRange{from, to};
        step = RoundStep(step * 1.01);
    }
}

std::vector<Tick> StepTicks(ValueRange range, double step)
{
    std::vector<Tick> ticks;
    if (!(step > 0))
        return ticks;
    const int decimals = DecimalsFor(step);
    const double first = std::ceil(range.low / step - 1e-9) * step;
    // Counted, not summed, so that no error piles up along the axis.
    for (int i = 0; first + i * step <= range.high + step * 1e-9; ++i)
        ticks.push_back(Tick{first + i * step, ValueLabel(first + i * step, decimals)});
    return ticks;
}

std::vector<Tick> ValueTicks(ValueRange range, int maxTicks)
{
    const int steps = std::max(maxTicks - 1, 1);
    double step = RoundStep((range.high - range.low) / steps);
    while (std::floor(range.high / step + 1e-9) - std::ceil(range.low / step - 1e-9) + 1 > maxTicks)
        step = RoundStep(step * 1.01);
    return StepTicks(range, step);
}

std::vector<Tick> TimeTicks(TimeRange range, int maxTicks)
{
    std::vector<Tick> ticks;
    if (range.Span() <= 0 || maxTicks < 1)
        return ticks;
    std::int64_t step = kTimeSteps[std::size(kTimeSteps) - 1];
    for (std::int64_t candidate : kTimeSteps)
        if (range.Span() / candidate + 1 <= maxTicks) {
            step = candidate;
            break;
        }
    const std::int64_t begin = std::max<std::int64_t>(range.begin, 0);
    for (std::int64_t t = (begin + step - 1) / step * step; t <= range.end; t += step)
        ticks.push_back(Tick{double(t), TimeLabel(t)});
    return ticks;
}

std::wstring TimeLabel(std::int64_t ms, bool withTenths)
{
    const auto twoDigits = [](std::int64_t n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); };
    const bool negative = ms < 0;
    ms = negative ? -ms : ms;
    const std::int64_t tenths = withTenths ? ms / 100 : ms / 1000 * 10;
    const std::int64_t hours = tenths / 36000;
    const std::int64_t minutes = tenths / 600 % 60;
    const std::int64_t seconds = tenths / 10 % 60;
    std::wstring text = negative ? L"-" : L"";
    text += hours > 0 ? std::to_wstring(hours) + L":" + twoDigits(minutes) : std::to_wstring(minutes);
    text += L":" + twoDigits(seconds);
    if (withTenths)
        text += L"." + std::to_wstring(tenths % 10);
    return text;
}
