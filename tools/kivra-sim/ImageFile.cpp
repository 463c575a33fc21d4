// Firmware header encoding and image file reading.
#include "ImageFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace sim {

HeaderBytes EncodeFirmwareHeader(const FirmwareHeader& header) {
  HeaderBytes h{};
  PutU32(&h[0], header.magic);
  PutU32(&h[4], header.size);
  PutU32(&h[8], header.check);
  PutU32(&h[12], header.version);
  PutU32(&h[16], header.deviceType);
  PutU32(&h[20], header.bodyOffset);
  return h;
}

bool HeaderAcceptable(const FirmwareHeader& header) {
  return CheckFirmwareHeader(header, header.size) == FirmwareImageFault::None;
}

bool ReadImageFile(const std::string& path, Bytes& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (image.size() < kFirmwareHeaderSize) {
    error = path + ": shorter than an image header";
    return false;
  }
  return true;
}

}  // namespace sim
