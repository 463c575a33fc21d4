// A serial line in time: bytes take ten bit times each, in both directions.
#pragma once
#include "Bytes.h"

#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace sim {

class PacedLine {
 public:
  explicit PacedLine(unsigned baud) { SetBaud(baud); }
  void SetBaud(unsigned baud) { byteTime_ = 10.0 / (baud ? baud : 1); }
  double ByteTime() const { return byteTime_; }

  // n bytes handed over at time now; gives the time their last bit has arrived.
  double Arrive(size_t n, double now);
  // Puts bytes on the line no earlier than start; gives the time the last one is out.
  // tag marks the last byte so the caller learns when that piece is complete.
  double Send(const Bytes& bytes, double start, int tag);
  std::optional<double> NextDue() const;
  // Bytes whose transmission has ended by now, and the tags completed with them
  // with the time their last byte was out.
  Bytes TakeDue(double now, std::vector<std::pair<int, double>>& tags);
  void Drop() {
    out_.clear();
    txFree_ = 0;
  }
  bool Idle() const { return out_.empty(); }

 private:
  struct Slot {
    double due;
    uint8_t byte;
    int tag;  // -1 none
  };
  double byteTime_ = 0;
  double rxFree_ = 0;
  double txFree_ = 0;
  std::deque<Slot> out_;
};

}  // namespace sim
