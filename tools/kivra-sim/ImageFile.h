// Firmware image bytes on the sensor's side: the header it stores and reports, image files.
#pragma once
#include "Bytes.h"

#include "protocol/FirmwareHeader.h"

#include <array>
#include <string>

namespace sim {

using HeaderBytes = std::array<uint8_t, kFirmwareHeaderSize>;

HeaderBytes EncodeFirmwareHeader(const FirmwareHeader& header);
// What a sensor checks of a header before it takes the image behind it.
bool HeaderAcceptable(const FirmwareHeader& header);

// Reads a whole image file; false with a reason when it cannot be read.
bool ReadImageFile(const std::string& path, Bytes& image, std::string& error);

}  // namespace sim
