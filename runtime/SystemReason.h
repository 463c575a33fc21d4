// The system's reason for a failure, and the one way a message that a person reads carries it.
#pragma once

#include <string>

#include "runtime/ErrorCodes.h"

// The system's own text for an error code, in the interface language where the system has it, without
// its line end; the code's name (socket codes) or "#<number>" when the system has no text for it.
std::wstring SystemReasonText(TErrorCode code);

// Where the reason stands after the product's message.
enum class ReasonPlacement {
    OwnLine,  // on a line of its own: message boxes, status texts, kivra-cli's connection messages
    SameLine, // after ": " on the message's line: kivra-cli's file failures
};

// The product's message followed by the system's reason for code; the message alone when code is 0,
// as no failure was recorded and the system's text for 0 would say that all went well.
std::wstring WithSystemReason(const std::wstring& message, TErrorCode code,
                              ReasonPlacement placement = ReasonPlacement::OwnLine);
