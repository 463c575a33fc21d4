// Calendar fields of a time on the 100-ns scale since 1601-01-01 (the platform's file time).
#pragma once

#include <cstdint>

struct TCalendarTime {
    std::uint16_t year = 1601;
    std::uint16_t month = 1;
    std::uint16_t day = 1;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

constexpr std::uint64_t kTicksPerMillisecond = 10000;
constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::uint64_t kTicksPerDay = 864000000000ULL;

TCalendarTime CalendarFromFileTime(std::uint64_t fileTime);
std::uint64_t FileTimeFromCalendar(const TCalendarTime& time);
