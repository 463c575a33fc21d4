// kivra-cli's file failures, worded as the window's messages give the system's reason.
#include "ui/cli/win32/FileFailure.h"

#include "remote/ConnectionTexts.h"
#include "ui/cli/CliText.h"

#include <windows.h>

std::wstring FileFailure(unsigned messageId, const std::wstring& path)
{
    return FileFailure(messageId, path, ::GetLastError());
}

std::wstring FileFailure(unsigned messageId, const std::wstring& path, uint32_t systemCode)
{
    return CliText(messageId, {path}) + L": " + SystemReasonText(systemCode);
}
