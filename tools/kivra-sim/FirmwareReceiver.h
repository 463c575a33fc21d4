// The sensor's side of a firmware download: receives blocks, reports its status, installs.
#pragma once
#include "ImageFile.h"

#include <string>

namespace sim {

// Acknowledge statuses of a firmware block.
enum BlockStatus : uint8_t { kBlockAccepted = 0, kBlockRefused = 1, kBlockResend = 2, kBlockAskStatus = 3 };

class FirmwareReceiver {
 public:
  explicit FirmwareReceiver(uint32_t blockLimit) : blockLimit_(blockLimit) {}

  // The 32-byte download-status record.
  Bytes StatusRecord() const;
  // Handles one WriteFirmwareBlock payload and gives the acknowledge status.
  uint8_t OnBlock(const Bytes& payload);
  // True when a whole, plausible image is held; it is then installed on restart.
  bool Activate();
  // Restart: an activated image becomes the installed one. True when it did.
  bool TakeActivated(HeaderBytes& installed);

  // Starts as if an earlier, interrupted download had left these bytes.
  void Preload(const Bytes& image, size_t count);
  const Bytes& Received() const { return image_; }
  bool Complete() const;
  uint32_t EffectiveLimit() const { return blockLimit_ == 0 ? 128 : blockLimit_; }

 private:
  bool HeaderKnown() const { return image_.size() >= kFirmwareHeaderSize; }
  FirmwareHeader Header() const { return ParseFirmwareHeader(image_.data()); }

  uint32_t blockLimit_;
  Bytes image_;
  bool activated_ = false;
};

}  // namespace sim
