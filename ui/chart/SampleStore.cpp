// The chart's samples: one time line and one ring of values per series, all of one capacity.
#include "ui/chart/SampleStore.h"

#include <algorithm>
#include <limits>

namespace {
constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();
}

SampleStore::SampleStore(std::size_t capacity) : m_times(std::max<std::size_t>(capacity, 1), 0) {}

std::optional<std::size_t> SampleStore::FindSeries(SeriesId id) const
{
    for (std::size_t s = 0; s < m_series.size(); ++s)
        if (m_series[s].id == id)
            return s;
    return std::nullopt;
}

std::size_t SampleStore::LowerBound(std::int64_t time) const
{
    std::size_t low = 0;
    std::size_t high = m_size;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (TimeAt(middle) < time)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::size_t SampleStore::MemoryBytes() const
{
    std::size_t bytes = m_times.capacity() * sizeof(std::int64_t) + m_series.capacity() * sizeof(Ring);
    for (const Ring& ring : m_series)
        bytes += ring.values.capacity() * sizeof(float);
    return bytes;
}

std::size_t SampleStore::AddSeries(SeriesId id)
{
    if (const std::optional<std::size_t> found = FindSeries(id))
        return *found;
    m_series.push_back(Ring{id, std::vector<float>(m_times.size(), kNoValue), false});
    return m_series.size() - 1;
}

void SampleStore::Append(std::int64_t time)
{
    if (m_size > 0)
        time = std::max(time, TimeAt(m_size - 1));
    std::size_t slot;
    if (m_size < m_times.size()) {
        slot = Slot(m_size);
        ++m_size;
    } else {
        slot = m_first;
        m_first = (m_first + 1) % m_times.size();
    }
    m_times[slot] = time;
    for (Ring& ring : m_series)
        ring.values[slot] = kNoValue;
}

void SampleStore::Set(std::size_t series, float value)
{
    if (m_size == 0)
        return;
    m_series[series].values[Slot(m_size - 1)] = value;
    m_series[series].everSet = true;
}

void SampleStore::Clear()
{
    m_first = 0;
    m_size = 0;
    for (Ring& ring : m_series)
        ring.everSet = false;
}
