// Firmware block reception with resume, activation and installation.
#include "FirmwareReceiver.h"

#include <algorithm>

namespace sim {

Bytes FirmwareReceiver::StatusRecord() const {
  Bytes r;
  AppendU32(r, uint32_t(image_.size()));
  AppendU32(r, blockLimit_);
  HeaderBytes h{};
  if (HeaderKnown()) std::copy_n(image_.begin(), kFirmwareHeaderSize, h.begin());
  r.insert(r.end(), h.begin(), h.end());
  return r;
}

uint8_t FirmwareReceiver::OnBlock(const Bytes& payload) {
  if (payload.empty()) return kBlockAccepted;  // the master has nothing left to send
  if (payload.size() < 12) return kBlockRefused;
  uint32_t check = GetU32(&payload[0]);
  uint32_t offset = GetU32(&payload[4]);
  uint32_t n = GetU32(&payload[8]);
  if (n == 0 || n > EffectiveLimit() || payload.size() != 12 + size_t(n)) return kBlockRefused;
  const uint8_t* data = payload.data() + 12;

  if (offset == 0 && (!HeaderKnown() || Header().check != check)) {
    // A new image, or the same one started over.
    image_.clear();
    activated_ = false;
  }
  if (HeaderKnown() && Header().check != check) return kBlockAskStatus;
  if (offset + n <= image_.size()) {
    // A block the sensor already has (its acknowledge got lost): take it again when it matches.
    return std::equal(data, data + n, image_.begin() + offset) ? kBlockAccepted : kBlockAskStatus;
  }
  if (offset != image_.size()) return kBlockAskStatus;
  image_.insert(image_.end(), data, data + n);
  if (HeaderKnown()) {
    FirmwareHeader h = Header();
    if (!HeaderAcceptable(h) || h.check != check || image_.size() > h.size) {
      image_.resize(offset);
      return kBlockRefused;
    }
  }
  return kBlockAccepted;
}

bool FirmwareReceiver::Complete() const {
  if (!HeaderKnown()) return false;
  FirmwareHeader h = Header();
  return HeaderAcceptable(h) && image_.size() == h.size && GetU32(&image_[h.size - 4]) == h.check;
}

bool FirmwareReceiver::Activate() {
  activated_ = Complete();
  return activated_;
}

bool FirmwareReceiver::TakeActivated(HeaderBytes& installed) {
  if (!activated_) return false;
  std::copy_n(image_.begin(), kFirmwareHeaderSize, installed.begin());
  activated_ = false;
  image_.clear();
  return true;
}

void FirmwareReceiver::Preload(const Bytes& image, size_t count) {
  image_.assign(image.begin(), image.begin() + std::min(count, image.size()));
  activated_ = false;
}

}  // namespace sim
