// The 24-byte firmware image header, as the sensor reports and stores it.
#pragma once
#include "Bytes.h"

#include <array>
#include <string>

namespace sim {

constexpr size_t kHeaderSize = 24;
constexpr uint32_t kImageMagic = 0x31305746;  // "FW01"
using HeaderBytes = std::array<uint8_t, kHeaderSize>;

struct FirmwareHeader {
  uint32_t magic = kImageMagic;
  uint32_t size = 0;
  uint32_t check = 0;
  uint32_t version = 0;
  uint32_t deviceType = 0;
  uint32_t bodyOffset = kHeaderSize;

  static FirmwareHeader Parse(const uint8_t* p);
  HeaderBytes Encode() const;
  // What a sensor checks before it takes an image of this header.
  bool Plausible() const;
};

// Reads a whole image file; false with a reason when it cannot be read.
bool ReadImageFile(const std::string& path, Bytes& image, std::string& error);

}  // namespace sim
