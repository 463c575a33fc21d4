// What a person is told when the data log cannot be opened or stops: the file, the rows it kept
// and the system's reason. The window shows it in a message box, kivra-cli on its error stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/ErrorCodes.h"

// One place the log was tried, and why it could not be opened there.
struct DataLogAttempt
{
    std::wstring path;
    TErrorCode error = 0;
};

std::wstring DataLogNotOpenedMessage(const std::vector<DataLogAttempt>& attempts);
std::wstring DataLogStoppedMessage(const std::wstring& path, uint32_t rowsWritten, TErrorCode error);
