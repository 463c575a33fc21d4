// Conversion between file time and calendar fields (proleptic Gregorian calendar).
#include "runtime/CalendarTime.h"

namespace {
// Days from 1601-01-01 to 0000-03-01 in the shifted-year scheme used below.
constexpr std::int64_t kDaysTo1601 = 584694;

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = y / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - kDaysTo1601;
}
}  // namespace

TCalendarTime CalendarFromFileTime(std::uint64_t fileTime)
{
    const std::int64_t z = static_cast<std::int64_t>(fileTime / kTicksPerDay) + kDaysTo1601;
    const std::uint64_t inDay = fileTime % kTicksPerDay;
    const std::int64_t era = z / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    TCalendarTime t;
    t.year = static_cast<std::uint16_t>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    t.month = static_cast<std::uint16_t>(m);
    t.day = static_cast<std::uint16_t>(d);
    t.hour = static_cast<std::uint16_t>(inDay / (3600 * kTicksPerSecond));
    t.minute = static_cast<std::uint16_t>(inDay / (60 * kTicksPerSecond) % 60);
    t.second = static_cast<std::uint16_t>(inDay / kTicksPerSecond % 60);
    t.milliseconds = static_cast<std::uint16_t>(inDay / kTicksPerMillisecond % 1000);
    return t;
}

std::uint64_t FileTimeFromCalendar(const TCalendarTime& t)
{
    const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
    return static_cast<std::uint64_t>(days) * kTicksPerDay +
           ((t.hour * 60ULL + t.minute) * 60ULL + t.second) * kTicksPerSecond + t.milliseconds * kTicksPerMillisecond;
}
