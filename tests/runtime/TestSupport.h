// Shared helpers of the runtime tests: scratch folders, file contents and a controlled clock.
#pragma once

#include <cstdarg>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "runtime/CalendarTime.h"
#include "runtime/SettableClockSource.h"

namespace testsupport {

// A fresh folder below the working directory, removed again at the end of the test.
class TScratchDir {
public:
    explicit TScratchDir(const std::string& name);
    ~TScratchDir();
    // Path of a file in the folder, with "/" separators (accepted on both platforms).
    std::wstring File(const std::string& name) const;
    std::filesystem::path Path(const std::string& name) const { return m_dir / name; }

private:
    std::filesystem::path m_dir;
};

std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& bytes);

// Puts the process clock on a settable source for the duration of a test.
class TClockScope {
public:
    explicit TClockScope(const TCalendarTime& start);
    ~TClockScope();
    TSettableClockSource& Source() { return m_source; }

private:
    TSettableClockSource m_source;
};

TCalendarTime MakeTime(int year, int month, int day, int hour, int minute, int second, int ms = 0);

}  // namespace testsupport
