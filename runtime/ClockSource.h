// Where the process clock takes its readings: the system, or a settable source in tests.
#pragma once

#include <cstdint>

class TClockSource {
public:
    virtual ~TClockSource() = default;
    // The system time on the 100-ns scale since 1601-01-01 UTC.
    virtual std::uint64_t SystemTime() = 0;
    // False (or a frequency of 0) when there is no high-resolution counter.
    virtual bool CounterFrequency(std::int64_t* frequency) = 0;
    virtual std::int64_t Counter() = 0;
    virtual std::uint64_t ToLocal(std::uint64_t utc) = 0;
};

// The platform's own clock.
TClockSource& SystemClockSource();
