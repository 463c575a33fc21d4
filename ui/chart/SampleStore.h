// The chart's samples: one time line and one ring of values per series, all of one capacity.
// Once full, each new sample takes the place of the oldest, so memory does not grow with time.
#pragma once

#include "ui/chart/ChartSeries.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class SampleStore {
public:
    explicit SampleStore(std::size_t capacity);

    // Attributes
    std::size_t Capacity() const { return m_times.size(); }
    std::size_t Size() const { return m_size; }
    std::size_t SeriesCount() const { return m_series.size(); }
    SeriesId SeriesAt(std::size_t series) const { return m_series[series].id; }
    std::optional<std::size_t> FindSeries(SeriesId id) const;
    // Whether the series was ever given a value (a sensor without magnet detectors never is).
    bool HasValues(std::size_t series) const { return m_series[series].everSet; }
    // The i-th oldest sample kept: its time in milliseconds and a series' value there (NaN: none).
    std::int64_t TimeAt(std::size_t i) const { return m_times[Slot(i)]; }
    float ValueAt(std::size_t series, std::size_t i) const { return m_series[series].values[Slot(i)]; }
    // The first kept sample at or after time; Size() when there is none.
    std::size_t LowerBound(std::int64_t time) const;
    // What the rings take, whether filled or not.
    std::size_t MemoryBytes() const;

    // Operations
    // The series' index; a series seen the first time gets a ring of its own in which every
    // sample kept so far has no value.
    std::size_t AddSeries(SeriesId id);
    // A new newest sample; a time before the newest counts as the newest's, so times never go
    // back. Until Set, no series has a value in it.
    void Append(std::int64_t time);
    void Set(std::size_t series, float value);
    // No samples; the series stay.
    void Clear();

private:
    struct Ring {
        SeriesId id;
        std::vector<float> values;
        bool everSet = false;
    };

    std::size_t Slot(std::size_t i) const { return (m_first + i) % m_times.size(); }

    std::vector<std::int64_t> m_times;
    std::vector<Ring> m_series;
    std::size_t m_first = 0;
    std::size_t m_size = 0;
};
