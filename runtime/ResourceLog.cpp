// The resource samples' file and the thread that feeds it.
#include "runtime/ResourceLog.h"

#include <chrono>
#include <cstdio>

#include "runtime/OsFile.h"
#include "runtime/ProcessClock.h"

CResourceLog::~CResourceLog() { Stop(); }

bool CResourceLog::Start(const std::wstring& path, std::int64_t intervalMs, Sampler sampler)
{
    Stop();
    m_file = OsCreateFile(path.c_str(), osfile::kGenericWrite, osfile::kShareRead, osfile::kOpenAlways,
                          osfile::kAttributeNormal);
    if (m_file == InvalidHandleValue() || m_file == nullptr) {
        m_file = nullptr;
        return false;
    }
    OsSetFilePointer(m_file, 0, osfile::kFromEnd, nullptr);
    m_sampler = std::move(sampler);
    m_intervalMs = intervalMs;
    m_startedMs = NowMilliseconds();
    m_stopping = false;
    WriteSample();
    m_thread = std::thread(&CResourceLog::Run, this);
    return true;
}

void CResourceLog::Stop()
{
    if (!m_file)
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    WriteSample();
    OsCloseHandle(m_file);
    m_file = nullptr;
}

std::string CResourceLog::FormatLine(std::int64_t elapsedMs, const ProcessResources& sample)
{
    char line[128];
    const int length = std::snprintf(line, sizeof line, "t=%llds memory=%llu handles=%u gdi=%u\n",
                                     static_cast<long long>(elapsedMs / 1000),
                                     static_cast<unsigned long long>(sample.memoryBytes), sample.handles,
                                     sample.gdiObjects);
    return std::string(line, length > 0 ? static_cast<std::size_t>(length) : 0);
}

void CResourceLog::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(m_intervalMs), [this] { return m_stopping; })) {
        lock.unlock();
        WriteSample();
        lock.lock();
    }
}

void CResourceLog::WriteSample()
{
    const std::string line = FormatLine(NowMilliseconds() - m_startedMs, m_sampler());
    std::uint32_t written = 0;
    OsWriteFile(m_file, line.data(), static_cast<std::uint32_t>(line.size()), &written);
}
