// The one line kivra-cli gives for a file it cannot read or write: the message naming the
// file, then the system's reason (no such folder, no access, disk full).
#pragma once

#include <cstdint>
#include <string>

// With the reason of the failure just seen (the thread's last error).
std::wstring FileFailure(unsigned messageId, const std::wstring& path);
// With the reason kept from a failure seen earlier, when other calls have run since.
std::wstring FileFailure(unsigned messageId, const std::wstring& path, uint32_t systemCode);
