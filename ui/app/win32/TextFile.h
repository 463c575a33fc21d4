// Whole files for the settings documents (written as UTF-8, read also as UTF-16) and kivra-cli's data-log copy.
#pragma once

#include <cstdint>
#include <string>

bool ReadTextFile(const std::wstring& path, std::wstring& text);
bool WriteTextFile(const std::wstring& path, const std::wstring& text);

// The bytes of a file from offset on; false when it cannot be read.
bool ReadFileTail(const std::wstring& path, uint64_t offset, std::string& bytes);
// Appends bytes to a file, creating it when missing.
bool AppendToFile(const std::wstring& path, const std::string& bytes);
// Cuts the file back to size bytes; size -1 deletes it.
bool RestoreFileSize(const std::wstring& path, int64_t size);
