// The texts a firmware image that cannot be used shows to the user.
#pragma once

#include <string>

#include "protocol/FirmwareHeader.h"
#include "protocol/IdentificationRecord.h"
#include "runtime/ErrorCodes.h"

// What is wrong with a file that is not a usable image.
std::wstring BadImageMessage(FirmwareImageFault fault);

// Why a download stopped: the image file could not be read, with the system's text for the error.
std::wstring UnreadableImageMessage(TErrorCode code);

// Why an image is not sent to this sensor: it is made for another device type, and would leave a
// sensor this tool no longer supports. Empty when the image is made for the sensor's type.
std::wstring ForeignImageMessage(const FirmwareHeader& image, const SensorIdentification& sensor);
