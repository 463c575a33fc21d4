// Samples of what the process holds of the system, appended to a file at a steady pace from a
// thread of their own, so a long run shows a leak as a rising line whatever the program's own
// threads are doing (a modal loop, a blocking wait).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "runtime/OsHandle.h"
#include "runtime/ProcessResources.h"

class CResourceLog {
public:
    using Sampler = std::function<ProcessResources()>;
    static constexpr std::int64_t kDefaultIntervalMs = 60000;

    CResourceLog() = default;
    CResourceLog(const CResourceLog&) = delete;
    CResourceLog& operator=(const CResourceLog&) = delete;
    ~CResourceLog();

    // Opens (appending) and writes the first sample at once; false when the file cannot be
    // written, with nothing started.
    bool Start(const std::wstring& path, std::int64_t intervalMs = kDefaultIntervalMs,
               Sampler sampler = SampleProcessResources);
    // Writes a last sample, so the end of the run is on record too, and closes the file.
    void Stop();

    // One line of the file: "t=<seconds>s memory=<bytes> handles=<n> gdi=<n>".
    static std::string FormatLine(std::int64_t elapsedMs, const ProcessResources& sample);

private:
    void Run();
    void WriteSample();

    THandle m_file = nullptr;
    Sampler m_sampler;
    std::int64_t m_intervalMs = kDefaultIntervalMs;
    std::int64_t m_startedMs = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};
