// Host clock: the real-time clock mapped onto the 100-ns scale since 1601, the monotonic clock as counter.
#include "runtime/ClockSource.h"

#include <ctime>

namespace {
constexpr std::uint64_t kTicks1601To1970 = 116444736000000000ULL;

class TPosixClockSource : public TClockSource {
public:
    std::uint64_t SystemTime() override
    {
        timespec ts{};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        return kTicks1601To1970 + static_cast<std::uint64_t>(ts.tv_sec) * 10000000ULL +
               static_cast<std::uint64_t>(ts.tv_nsec) / 100;
    }
    bool CounterFrequency(std::int64_t* frequency) override
    {
        *frequency = 1000000000;
        return true;
    }
    std::int64_t Counter() override
    {
        timespec ts{};
        ::clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    }
    std::uint64_t ToLocal(std::uint64_t utc) override
    {
        const time_t seconds = static_cast<time_t>((utc - kTicks1601To1970) / 10000000ULL);
        tm local{};
        if (!::localtime_r(&seconds, &local))
            return utc;
        return utc + static_cast<std::uint64_t>(static_cast<std::int64_t>(local.tm_gmtoff) * 10000000);
    }
};
}  // namespace

TClockSource& SystemClockSource()
{
    static TPosixClockSource source;
    return source;
}
