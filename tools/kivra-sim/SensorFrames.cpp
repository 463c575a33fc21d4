// Sensor-side request scanning and answer framing.
#include "SensorFrames.h"

#include "protocol/CrcEngine.h"
#include "protocol/SensorCodes.h"

namespace sim {

namespace {
constexpr size_t kFrameOverhead = 5;
constexpr uint8_t kLlsDataCommand = 6;

uint8_t FrameChecksum(const uint8_t* data, size_t length) { return SensorCrc().Compute(data, length); }
}  // namespace

void RequestScanner::Feed(const uint8_t* data, size_t length) { pending_.insert(pending_.end(), data, data + length); }

size_t RequestScanner::TakeSkipped() {
  size_t n = skipped_;
  skipped_ = 0;
  return n;
}

std::optional<Request> RequestScanner::Next() {
  std::optional<size_t> firstPartial;
  for (size_t pos = 0; pos < pending_.size(); ++pos) {
    if (pending_[pos] != RequestPrefix) continue;
    size_t available = pending_.size() - pos;
    if (available < 2 || available < pending_[pos + 1] + kFrameOverhead) {
      if (!firstPartial) firstPartial = pos;
      continue;
    }
    size_t n = pending_[pos + 1];
    const uint8_t* p = pending_.data() + pos;
    if (FrameChecksum(p, n + 4) != p[n + 4]) continue;
    Request r;
    r.address = p[2];
    r.code = p[3];
    r.payload.assign(p + 4, p + 4 + n);
    r.raw.assign(p, p + n + kFrameOverhead);
    skipped_ += pos;
    pending_.erase(pending_.begin(), pending_.begin() + pos + n + kFrameOverhead);
    return r;
  }
  size_t keepFrom = firstPartial ? *firstPartial : pending_.size();
  skipped_ += keepFrom;
  pending_.erase(pending_.begin(), pending_.begin() + keepFrom);
  return std::nullopt;
}

Bytes BuildResponse(uint8_t address, uint8_t code, const Bytes& payload) {
  Bytes frame{ResponsePrefix, uint8_t(payload.size()), address, code};
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(FrameChecksum(frame.data(), frame.size()));
  return frame;
}

Bytes BuildLlsData(uint8_t address, int8_t temperature, uint16_t parameter1, uint16_t parameter2) {
  Bytes frame{LlsPrefix, address, kLlsDataCommand, uint8_t(temperature)};
  AppendU16(frame, parameter1);
  AppendU16(frame, parameter2);
  frame.push_back(FrameChecksum(frame.data(), frame.size()));
  return frame;
}

}  // namespace sim
