// Firmware header encoding and image file reading.
#include "FirmwareHeader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace sim {

FirmwareHeader FirmwareHeader::Parse(const uint8_t* p) {
  return {GetU32(p), GetU32(p + 4), GetU32(p + 8), GetU32(p + 12), GetU32(p + 16), GetU32(p + 20)};
}

HeaderBytes FirmwareHeader::Encode() const {
  HeaderBytes h{};
  PutU32(&h[0], magic);
  PutU32(&h[4], size);
  PutU32(&h[8], check);
  PutU32(&h[12], version);
  PutU32(&h[16], deviceType);
  PutU32(&h[20], bodyOffset);
  return h;
}

bool FirmwareHeader::Plausible() const {
  return magic == kImageMagic && size >= kHeaderSize + 4 && bodyOffset >= kHeaderSize && bodyOffset < size;
}

bool ReadImageFile(const std::string& path, Bytes& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (image.size() < kHeaderSize) {
    error = path + ": shorter than an image header";
    return false;
  }
  return true;
}

}  // namespace sim
