// Header of a firmware image, as stored in a "*.fw" file and as reported by the sensor.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kFirmwareHeaderSize = 24;
constexpr std::size_t kFirmwareTrailerSize = 4;
constexpr uint32_t kFirmwareMagic = 0x31305746;  // "FW01"
constexpr uint32_t kFirmwareMinImageSize = kFirmwareHeaderSize + kFirmwareTrailerSize;

struct FirmwareHeader
{
    uint32_t magic = 0;
    uint32_t size = 0;        // whole file, header and trailer included
    uint32_t check = 0;       // repeated as the file's last 4 bytes
    uint32_t version = 0;
    uint32_t deviceType = 0;
    uint32_t bodyOffset = 0;
};

FirmwareHeader ParseFirmwareHeader(const uint8_t* bytes);

// What makes a file unusable as an image; None for a sound one.
enum class FirmwareImageFault
{
    None,
    TooShort,        // cannot hold a header and a trailer
    NotImage,        // the magic is missing
    SizeMismatch,    // the header's size is not the file's size
    BadBodyOffset,   // the body would start inside the header or past the end
    DamagedTrailer,  // the trailer differs from the header's check value
};

// Checks the header fields against the real file size; the trailer is checked separately
// because it can only be read once the size is known to be right.
FirmwareImageFault CheckFirmwareHeader(const FirmwareHeader& header, uint64_t fileSize);
