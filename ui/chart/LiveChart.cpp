// The chart of a connection.
#include "ui/chart/LiveChart.h"

#include "ui/chart/LiveChartLimits.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kNoSample = NAN;

// Hundredths (angle, temperature) and whole numbers as the sensor sends them; none for its mark.
float Hundredths(std::int32_t value) { return value > kNoValue ? float(value) / 100 : kNoSample; }
float Whole(std::int32_t value) { return value > kNoValue ? float(value) : kNoSample; }

}  // namespace

LiveChart::LiveChart() : m_samples(kLiveSampleCapacity) {}

TimeRange LiveChart::Extent() const
{
    if (m_samples.Size() == 0)
        return TimeRange{};
    return TimeRange{m_samples.TimeAt(0), m_samples.TimeAt(m_samples.Size() - 1)};
}

void LiveChart::Restart()
{
    m_samples.Clear();
    m_window.Follow();
}

void LiveChart::Take(const LiveData& live, const DisplayTexts& texts, std::int64_t now, bool magnets)
{
    if (m_samples.Size() == 0)
        m_start = now;
    m_samples.Append(now - m_start);
    const auto set = [&](SeriesKind kind, const std::wstring& shown, float value, std::uint16_t code = 0) {
        if (!shown.empty() && !std::isnan(value))
            m_samples.Set(m_samples.AddSeries(SeriesId{kind, code}), value);
    };
    set(SeriesKind::Angle, texts.angle, Hundredths(live.angle));
    set(SeriesKind::Temperature, texts.temperature, Hundredths(live.temperature));
    set(SeriesKind::Lls1, texts.lls[0], Whole(live.lls[0]));
    set(SeriesKind::Lls2, texts.lls[1], Whole(live.lls[1]));
    set(SeriesKind::Output1, texts.outputValue[0], Whole(live.outputValue[0]));
    set(SeriesKind::Output2, texts.outputValue[1], Whole(live.outputValue[1]));
    // The detectors come with the outputs (the same answers carry them).
    if (magnets) {
        set(SeriesKind::Magnet1, texts.outputValue[0], Whole(live.magnet[0]));
        set(SeriesKind::Magnet2, texts.outputValue[0], Whole(live.magnet[1]));
    }
    const std::size_t extras = std::min<std::size_t>(texts.extraCount, kMaxExtraValues);
    for (std::size_t i = 0; i < extras; ++i)
        set(SeriesKind::Extra, texts.extraValue[i], Whole(live.extras[i].value), live.extras[i].code);
}
