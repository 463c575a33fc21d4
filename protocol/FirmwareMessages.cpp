// The texts a firmware image that cannot be used shows to the user.
#include "protocol/FirmwareMessages.h"

#include "runtime/ResourceText.h"
#include "runtime/TString.h"
#include "protocol/resources/protocol_ids.h"

std::wstring SystemErrorMessage(TErrorCode code)
{
    return TWin32ErrorString(code).Get();
}

std::wstring BadImageMessage(FirmwareImageFault fault)
{
    unsigned reason = 0;
    switch (fault) {
    case FirmwareImageFault::None: return std::wstring();
    case FirmwareImageFault::TooShort: reason = IDS_FIRMWARE_TOO_SHORT; break;
    case FirmwareImageFault::NotImage: reason = IDS_FIRMWARE_NOT_IMAGE; break;
    case FirmwareImageFault::SizeMismatch: reason = IDS_FIRMWARE_SIZE_MISMATCH; break;
    case FirmwareImageFault::BadBodyOffset: reason = IDS_FIRMWARE_BAD_BODY_OFFSET; break;
    case FirmwareImageFault::DamagedTrailer: reason = IDS_FIRMWARE_DAMAGED_TRAILER; break;
    }
    return LoadResourceText(IDS_FIRMWARE_BAD_IMAGE) + L"\r\n" + LoadResourceText(reason);
}

std::wstring UnreadableImageMessage(TErrorCode code)
{
    return LoadResourceText(IDS_FIRMWARE_UNREADABLE) + L"\r\n" + SystemErrorMessage(code);
}

std::wstring ForeignImageMessage(const FirmwareHeader& image, const SensorIdentification& sensor)
{
    if (image.deviceType == sensor.deviceType)
        return std::wstring();
    TString text;
    text.LoadResource(IDS_FIRMWARE_OTHER_DEVICE, nullptr, unsigned(image.deviceType), unsigned(sensor.deviceType));
    return text.Get();
}
