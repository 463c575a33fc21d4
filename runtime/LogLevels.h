// Levels and flags of the diagnostic log.
#pragma once

#include <cstdint>

namespace logging {
constexpr int kError = 1;
constexpr int kDebug = 2;
constexpr int kTrace = 3;

constexpr std::uint32_t kFlush = 0x1;        // flush the file after every line
constexpr std::uint32_t kNoStamp = 0x100;    // no time stamp
constexpr std::uint32_t kNoLevel = 0x200;    // no level name
constexpr std::uint32_t kNoPrefix = 0x400;   // no name prefix and no ";" after it

// The level names written into the lines, by level index.
const wchar_t* LevelName(int index);
}  // namespace logging
