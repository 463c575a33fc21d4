// The user's folders from the shell.
#include "runtime/OsFolders.h"

#include <windows.h>
#include <shlobj.h>

std::wstring OsDocumentsFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)) || folder[0] == 0)
        return std::wstring();
    std::wstring path(folder);
    if (path.back() != L'\\')
        path += L'\\';
    return path;
}

bool OsCreateFolder(const std::wstring& path)
{
    if (::CreateDirectoryW(path.c_str(), nullptr))
        return true;
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    ::SetLastError(error);
    return false;
}
