// Decoding and plausibility checks of a firmware image header.
#include "protocol/FirmwareHeader.h"

#include "protocol/LittleEndian.h"

FirmwareHeader ParseFirmwareHeader(const uint8_t* bytes)
{
    FirmwareHeader h;
    h.magic = GetU32(bytes);
    h.size = GetU32(bytes + 4);
    h.check = GetU32(bytes + 8);
    h.version = GetU32(bytes + 12);
    h.deviceType = GetU32(bytes + 16);
    h.bodyOffset = GetU32(bytes + 20);
    return h;
}

FirmwareImageFault CheckFirmwareHeader(const FirmwareHeader& header, uint64_t fileSize)
{
    if (fileSize < kFirmwareHeaderSize)
        return FirmwareImageFault::TooShort;
    if (header.magic != kFirmwareMagic)
        return FirmwareImageFault::NotImage;
    if (header.size < kFirmwareMinImageSize)
        return FirmwareImageFault::TooShort;
    if (header.bodyOffset < kFirmwareHeaderSize || header.bodyOffset >= header.size)
        return FirmwareImageFault::BadBodyOffset;
    if (header.size != fileSize)
        return FirmwareImageFault::SizeMismatch;
    return FirmwareImageFault::None;
}
