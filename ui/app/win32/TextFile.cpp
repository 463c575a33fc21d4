// Whole files for the settings documents (written as UTF-8, read also as UTF-16) and kivra-cli's data-log copy.
#include "ui/app/win32/TextFile.h"

#include "ui/app/Utf8.h"

#include <windows.h>

namespace {

class CFile
{
public:
    CFile(const std::wstring& path, DWORD access, DWORD disposition)
        : m_handle(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                               FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~CFile()
    {
        if (IsOpen())
            CloseHandle(m_handle);
    }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return m_handle; }

    bool WriteAll(const std::string& bytes)
    {
        DWORD written = 0;
        return WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
    }

private:
    HANDLE m_handle;
};

}  // namespace

bool ReadFileTail(const std::wstring& path, uint64_t offset, std::string& bytes)
{
    CFile file(path, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER size{}, at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!file.IsOpen() || !GetFileSizeEx(file.Handle(), &size) || size.QuadPart > (1 << 30) ||
        !SetFilePointerEx(file.Handle(), at, nullptr, FILE_BEGIN))
        return false;
    bytes.assign(static_cast<std::size_t>(size.QuadPart > at.QuadPart ? size.QuadPart - at.QuadPart : 0), '\0');
    DWORD read = 0;
    return bytes.empty() ||
           (ReadFile(file.Handle(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size());
}

bool ReadTextFile(const std::wstring& path, std::wstring& text)
{
    std::string bytes;
    if (!ReadFileTail(path, 0, bytes))
        return false;
    DecodeFileText(bytes, text);
    return true;
}

bool WriteTextFile(const std::wstring& path, const std::wstring& text)
{
    CFile file(path, GENERIC_WRITE, CREATE_ALWAYS);
    return file.IsOpen() && file.WriteAll(ToUtf8(text));
}

bool AppendToFile(const std::wstring& path, const std::string& bytes)
{
    CFile file(path, FILE_APPEND_DATA, OPEN_ALWAYS);
    return file.IsOpen() && file.WriteAll(bytes);
}

bool RestoreFileSize(const std::wstring& path, int64_t size)
{
    if (size < 0)
        return DeleteFileW(path.c_str()) != FALSE;
    CFile file(path, GENERIC_WRITE, OPEN_EXISTING);
    LARGE_INTEGER at{};
    at.QuadPart = size;
    return file.IsOpen() && SetFilePointerEx(file.Handle(), at, nullptr, FILE_BEGIN) && SetEndOfFile(file.Handle());
}
