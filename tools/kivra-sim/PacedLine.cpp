// Byte pacing at the configured baud rate.
#include "PacedLine.h"

#include <algorithm>

namespace sim {

double PacedLine::Arrive(size_t n, double now) {
  rxFree_ = std::max(rxFree_, now) + double(n) * byteTime_;
  return rxFree_;
}

double PacedLine::Send(const Bytes& bytes, double start, int tag) {
  double t = std::max(start, txFree_);
  for (size_t i = 0; i < bytes.size(); ++i) {
    t += byteTime_;
    out_.push_back({t, bytes[i], i + 1 == bytes.size() ? tag : -1});
  }
  txFree_ = t;
  return t;
}

std::optional<double> PacedLine::NextDue() const {
  if (out_.empty()) return std::nullopt;
  return out_.front().due;
}

Bytes PacedLine::TakeDue(double now, std::vector<std::pair<int, double>>& tags) {
  Bytes due;
  while (!out_.empty() && out_.front().due <= now) {
    due.push_back(out_.front().byte);
    if (out_.front().tag >= 0) tags.emplace_back(out_.front().tag, out_.front().due);
    out_.pop_front();
  }
  return due;
}

}  // namespace sim
