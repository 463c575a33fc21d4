// Shared helpers of the runtime tests.
#include "tests/runtime/TestSupport.h"

#include <fstream>
#include <iterator>

#include "runtime/ProcessClock.h"

namespace testsupport {

TScratchDir::TScratchDir(const std::string& name)
    : m_dir(std::filesystem::current_path() / ("scratch-" + name))
{
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
    std::filesystem::create_directories(m_dir);
}

TScratchDir::~TScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::wstring TScratchDir::File(const std::string& name) const
{
    std::wstring path = (m_dir / name).generic_wstring();
    return path;
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TClockScope::TClockScope(const TCalendarTime& start) : m_source(FileTimeFromCalendar(start))
{
    ProcessClock().UseSource(&m_source);
}

TClockScope::~TClockScope() { ProcessClock().UseSource(nullptr); }

TCalendarTime MakeTime(int year, int month, int day, int hour, int minute, int second, int ms)
{
    TCalendarTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    t.second = static_cast<std::uint16_t>(second);
    t.milliseconds = static_cast<std::uint16_t>(ms);
    return t;
}

}  // namespace testsupport
