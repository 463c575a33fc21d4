// Tests that lines written by several threads at once reach the log file whole and in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "runtime/TCyclicLogFile.h"
#include "runtime/TNotCyclicLogFile.h"
#include "tests/runtime/LogTestSupport.h"
#include "tests/runtime/TestSupport.h"

namespace {

constexpr int kThreads = 4;
constexpr int kLines = 250;

void WriteFromThreads(TLogFile& log)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < kLines; ++i)
                testsupport::Line(log, 3, L"worker", L"thread %d line %04d %ls", t, i, L"--------------------");
        });
    }
    for (std::thread& thread : threads)
        thread.join();
}

// Every line is one whole written line; each thread's lines come in its own order.
struct TProgress {
    int next[kThreads] = {};
    int counted = 0;
};

void ExpectWholeLines(const std::string& text, TProgress& progress)
{
    static const std::regex whole("TRACE;worker;thread ([0-9]) line ([0-9]{4}) -{20}");
    int* next = progress.next;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r') << line;
        line.pop_back();
        if (line.rfind("Begin", 0) == 0 || line == "End" || line.rfind("...>>", 0) == 0 || line.find("<<...") != std::string::npos)
            continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, whole)) << line;
        const int t = std::stoi(m[1]);
        EXPECT_EQ(std::stoi(m[2]), next[t]) << line;
        next[t] = std::stoi(m[2]) + 1;
        ++progress.counted;
    }
}

TEST(ConcurrentLogTest, CyclicFileGetsOnlyWholeLines)
{
    testsupport::TScratchDir dir("threads-ring");
    TCyclicLogFile log;
    ASSERT_TRUE(log.Open(dir.File("ring.log").c_str(), 1 << 20, 0x100));
    WriteFromThreads(log);
    TProgress progress;
    ExpectWholeLines(testsupport::RingText(testsupport::ReadAll(dir.Path("ring.log"))), progress);
    EXPECT_EQ(progress.counted, kThreads * kLines);
}

TEST(ConcurrentLogTest, ChainedFilesGetOnlyWholeLines)
{
    testsupport::TScratchDir dir("threads-chain");
    testsupport::TClockScope clock(testsupport::MakeTime(2026, 12, 9, 6, 7, 8));
    {
        TNotCyclicLogFile log;
        ASSERT_TRUE(log.Open(dir.File("chain.log").c_str(), 4096, 0x100));
        WriteFromThreads(log);
    }
    // Names sort in chain order: the plain stamp, then the counters 000, 001, ...
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path("")))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    TProgress progress;
    for (const auto& file : files) {
        std::string text = testsupport::ReadAll(file);
        // The forward link ends a file without a line end.
        const std::size_t link = text.rfind("...>>");
        if (link != std::string::npos)
            text = text.substr(0, link);
        ExpectWholeLines(text, progress);
    }
    EXPECT_EQ(progress.counted, kThreads * kLines);
    EXPECT_GT(files.size(), 10u);
}

}  // namespace
