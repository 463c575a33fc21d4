// The resource samples: one at the start, one per interval from their own thread, one at the end,
// appended after what the file held; a file that cannot be written starts nothing.
#include <gtest/gtest.h>

#include "runtime/ResourceLog.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(ResourceLog, FormatsSecondsAndEveryCounter)
{
    ProcessResources sample;
    sample.memoryBytes = 12345678901ull;
    sample.handles = 42;
    sample.gdiObjects = 7;
    EXPECT_EQ(CResourceLog::FormatLine(61999, sample), "t=61s memory=12345678901 handles=42 gdi=7\n");
    EXPECT_EQ(CResourceLog::FormatLine(0, ProcessResources{}), "t=0s memory=0 handles=0 gdi=0\n");
}

TEST(ResourceLog, SamplesAtStartEachIntervalAndStopAfterEarlierContent)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kivra_resource_log_test.txt";
    std::ofstream(path) << "earlier run\n";
    std::atomic<unsigned> calls{0};
    {
        CResourceLog log;
        ASSERT_TRUE(log.Start(path.wstring(), 40, [&calls] {
            ProcessResources sample;
            sample.handles = ++calls;
            return sample;
        }));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        log.Stop();
        const unsigned afterStop = calls.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        EXPECT_EQ(calls.load(), afterStop) << "sampling went on after Stop";
        log.Stop();  // a second stop writes nothing more
    }
    const std::vector<std::string> lines = Lines(path);
    ASSERT_GE(lines.size(), 5u);  // earlier line, start, at least two intervals, end
    EXPECT_EQ(lines.front(), "earlier run");
    EXPECT_EQ(lines.size() - 1, calls.load());
    const std::regex shape(R"(t=\d+s memory=0 handles=(\d+) gdi=0)");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(lines[i], match, shape)) << lines[i];
        EXPECT_EQ(std::stoul(match[1]), i) << "samples out of order";
    }
    std::filesystem::remove(path);
}

TEST(ResourceLog, UnwritableFileStartsNothing)
{
    std::atomic<unsigned> calls{0};
    CResourceLog log;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "kivra-no-such-folder" / "r.txt";
    EXPECT_FALSE(log.Start(path.wstring(), 10, [&calls] {
        ++calls;
        return ProcessResources{};
    }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    log.Stop();
    EXPECT_EQ(calls.load(), 0u);
}
