// Host stand-in for the user's folders: "Documents" in the home folder.
#include "runtime/OsFolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "runtime/OsHandle.h"
#include "runtime/native/NativeHandle.h"
#include "runtime/native/NativeText.h"

std::wstring OsDocumentsFolder()
{
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == 0)
        return std::wstring();
    return WideFromUtf8(home) + L"/Documents/";
}

bool OsCreateFolder(const std::wstring& path)
{
    const std::string name = Utf8FromWide(path.c_str());
    if (::mkdir(name.c_str(), 0777) == 0)
        return true;
    const int error = errno;
    struct stat status {};
    if (error == EEXIST && ::stat(name.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return true;
    OsSetLastError(Win32CodeFromErrno(error));
    return false;
}
