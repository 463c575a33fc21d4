// Process clock calibrated against the system time at start-up.
#include "runtime/ProcessClock.h"

#include <cwchar>

#include "runtime/OsModule.h"

namespace {
// Created during static initialisation, before anything that stamps or times.
const bool s_clockReady = (ProcessClock(), true);
}

TProcessClock& ProcessClock()
{
    static TProcessClock clock;
    return clock;
}

TProcessClock::TProcessClock()
    : m_source(&SystemClockSource())
{
    m_module = OsModuleHandle();
    const std::size_t n = OsModulePath(m_path, kMaxPath + 1);
    for (std::size_t i = n; i > 0; --i) {
        if (m_path[i - 1] == L'\\') {
            m_fileNamePos = i;
            break;
        }
    }
    if (m_fileNamePos == 0) {
        const wchar_t* slash = std::wcsrchr(m_path, L'/');
        m_fileNamePos = slash ? static_cast<std::size_t>(slash - m_path) + 1 : 0;
    }
    Calibrate();
}

void TProcessClock::UseSource(TClockSource* source)
{
    m_source = source ? source : &SystemClockSource();
    Calibrate();
}

void TProcessClock::Calibrate()
{
    m_calibrated = false;
    m_frequency = 0;
    m_lastCounter = 0;
    std::int64_t frequency = 0;
    if (!m_source->CounterFrequency(&frequency) || frequency == 0)
        return;
    // The base is the moment the system time ticks over, so the counter is pinned to a fresh tick.
    const std::uint64_t first = m_source->SystemTime();
    std::uint64_t now;
    std::int64_t counter;
    do {
        now = m_source->SystemTime();
        counter = m_source->Counter();
    } while (now == first);
    m_frequency = frequency;
    m_baseTime = now;
    m_baseCounter = counter;
    m_calibrated = true;
}

std::uint64_t TProcessClock::Now()
{
    if (!m_calibrated)
        return m_source->SystemTime();
    const std::int64_t counter = m_source->Counter();
    m_lastCounter.store(counter, std::memory_order_relaxed);
    const double elapsed = static_cast<double>(counter - m_baseCounter);
    return m_baseTime + static_cast<std::uint64_t>(elapsed / static_cast<double>(m_frequency) * 10000000.0);
}

std::uint64_t TProcessClock::NowLocal() { return m_source->ToLocal(Now()); }

bool TProcessClock::GetModuleDirectory(std::uint32_t* size, wchar_t* out) const
{
    const std::uint32_t needed = static_cast<std::uint32_t>(m_fileNamePos) + 1;
    const std::uint32_t given = *size;
    *size = needed;
    if (given < needed || !out)
        return false;
    std::wmemcpy(out, m_path, m_fileNamePos);
    out[m_fileNamePos] = 0;
    return true;
}
