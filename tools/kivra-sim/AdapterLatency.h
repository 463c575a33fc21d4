// A USB serial adapter's latency timer: bytes it has received go up to the computer together,
// at the timer's next tick, so the computer sees an answer in bursts with silence between them.
#pragma once

#include <cmath>

namespace sim {

// The tick at which a byte whose last bit arrived at `due` reaches the computer.
inline double HandedOverAt(double due, double latency) {
  return latency > 0 ? std::ceil(due / latency) * latency : due;
}

// The last tick at or before now: every byte due by then has been handed over.
inline double LastTick(double now, double latency) {
  return latency > 0 ? std::floor(now / latency) * latency : now;
}

}  // namespace sim
