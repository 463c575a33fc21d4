// How much the chart page keeps of a connection: at least the last hour of the fastest polling,
// in memory that does not grow with time.
#pragma once

#include <cstddef>
#include <cstdint>

// A fast poll takes its 100 ms pause and the exchange on the line; 90 ms leaves room to spare.
constexpr std::int64_t kFastestPollMs = 90;
// One more than the polls of an hour: the oldest kept is then an hour before the newest.
constexpr std::size_t kLiveSampleCapacity = 60 * 60 * 1000 / kFastestPollMs + 1;
// The session decodes at most this many extra values, each a series of its own.
constexpr std::uint16_t kMaxExtraSeries = 16;
constexpr std::size_t kLiveMemoryBudget = 10u * 1024 * 1024;
