// Clock source whose time is set by hand, so that tests control every time stamp and deadline.
#pragma once

#include <atomic>
#include <cstdint>

#include "runtime/CalendarTime.h"
#include "runtime/ClockSource.h"

class TSettableClockSource : public TClockSource {
public:
    explicit TSettableClockSource(std::uint64_t fileTime = 0) : m_time(fileTime) {}

    void Set(std::uint64_t fileTime) { m_time = fileTime; }
    void Set(const TCalendarTime& time) { m_time = FileTimeFromCalendar(time); }
    void SetMilliseconds(std::int64_t ms) { m_time = static_cast<std::uint64_t>(ms) * kTicksPerMillisecond; }
    void AdvanceMilliseconds(std::int64_t ms) { m_time += static_cast<std::uint64_t>(ms) * kTicksPerMillisecond; }
    // Local time = UTC + offset.
    void SetLocalOffset(std::int64_t ticks) { m_localOffset = ticks; }

    std::uint64_t SystemTime() override { return m_time; }
    bool CounterFrequency(std::int64_t* frequency) override
    {
        *frequency = 0;
        return false;
    }
    std::int64_t Counter() override { return 0; }
    std::uint64_t ToLocal(std::uint64_t utc) override { return utc + static_cast<std::uint64_t>(m_localOffset.load()); }

private:
    std::atomic<std::uint64_t> m_time;
    std::atomic<std::int64_t> m_localOffset{0};
};
