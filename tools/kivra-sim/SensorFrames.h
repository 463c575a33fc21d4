// Frames on the sensor side of the line: finding requests, building answers and LLS output.
#pragma once
#include "Bytes.h"

#include <cstddef>
#include <optional>

namespace sim {

struct Request {
  uint8_t address = 0;
  uint8_t code = 0;
  Bytes payload;
  Bytes raw;  // the whole frame as received
};

// Collects received bytes and hands out the complete request frames in them.
// Like the master's scanner it steps over garbage byte by byte, keeps a frame
// that has only partly arrived, and drops a stale start once a complete frame
// is found behind it.
class RequestScanner {
 public:
  void Feed(const uint8_t* data, size_t length);
  std::optional<Request> Next();
  size_t Pending() const { return pending_.size(); }
  // Bytes thrown away as not belonging to any frame since the last call.
  size_t TakeSkipped();
  void Clear() { pending_.clear(); }

 private:
  Bytes pending_;
  size_t skipped_ = 0;
};

Bytes BuildResponse(uint8_t address, uint8_t code, const Bytes& payload);
// LLS data answer (command 6): temperature in whole degrees and two parameters.
Bytes BuildLlsData(uint8_t address, int8_t temperature, uint16_t parameter1, uint16_t parameter2);

}  // namespace sim
