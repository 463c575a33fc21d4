// Win32 clock: system time, the performance counter and the local time zone.
#include "runtime/ClockSource.h"

#include <windows.h>

namespace {
std::uint64_t FromFileTime(const FILETIME& ft) { return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime; }

FILETIME ToFileTime(std::uint64_t t)
{
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t);
    ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
    return ft;
}

class TWin32ClockSource : public TClockSource {
public:
    std::uint64_t SystemTime() override
    {
        SYSTEMTIME st;
        FILETIME ft;
        ::GetSystemTime(&st);
        ::SystemTimeToFileTime(&st, &ft);
        return FromFileTime(ft);
    }
    bool CounterFrequency(std::int64_t* frequency) override
    {
        LARGE_INTEGER f;
        if (!::QueryPerformanceFrequency(&f))
            return false;
        *frequency = f.QuadPart;
        return true;
    }
    std::int64_t Counter() override
    {
        LARGE_INTEGER c;
        ::QueryPerformanceCounter(&c);
        return c.QuadPart;
    }
    std::uint64_t ToLocal(std::uint64_t utc) override
    {
        const FILETIME in = ToFileTime(utc);
        FILETIME out;
        if (!::FileTimeToLocalFileTime(&in, &out))
            return utc;
        return FromFileTime(out);
    }
};
}  // namespace

TClockSource& SystemClockSource()
{
    static TWin32ClockSource source;
    return source;
}
