// The process clock: high-resolution time stamps, the millisecond time base and the program's path.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "runtime/ClockSource.h"
#include "runtime/OsHandle.h"

class TProcessClock {
public:
    static constexpr std::size_t kMaxPath = 260;

    TProcessClock();
    TProcessClock(const TProcessClock&) = delete;
    TProcessClock& operator=(const TProcessClock&) = delete;

    // Takes readings from another source (null: the system's) and calibrates again.
    void UseSource(TClockSource* source);

    std::uint64_t Now();
    std::uint64_t NowLocal();
    std::int64_t NowMilliseconds() { return static_cast<std::int64_t>(Now() / 10000); }

    // size: in the buffer's size, out the size needed (terminator included).
    bool GetModuleDirectory(std::uint32_t* size, wchar_t* out) const;
    const wchar_t* ModulePath() const { return m_path; }
    const wchar_t* ModuleFileName() const { return m_path + m_fileNamePos; }
    THandle ModuleHandle() const { return m_module; }

    bool IsCalibrated() const { return m_calibrated; }
    std::int64_t Frequency() const { return m_frequency; }
    // The counter behind the latest Now(); only feeds a diagnostic line, so it is not synchronised.
    std::int64_t LastCounter() const { return m_lastCounter.load(std::memory_order_relaxed); }

private:
    void Calibrate();

    THandle m_module = nullptr;
    wchar_t m_path[kMaxPath + 1] = {};
    std::size_t m_fileNamePos = 0;
    TClockSource* m_source;
    bool m_calibrated = false;
    std::int64_t m_frequency = 0;
    std::uint64_t m_baseTime = 0;
    std::int64_t m_baseCounter = 0;
    std::atomic<std::int64_t> m_lastCounter{0};
};

// The one process clock, created before the log manager and every other static object that uses it.
TProcessClock& ProcessClock();

inline std::uint64_t Now() { return ProcessClock().Now(); }
inline std::uint64_t NowLocal() { return ProcessClock().NowLocal(); }
inline std::int64_t NowMilliseconds() { return ProcessClock().NowMilliseconds(); }
inline bool GetModuleDirectory(std::uint32_t* size, wchar_t* out) { return ProcessClock().GetModuleDirectory(size, out); }
