// Derived names of log files.
#include "runtime/LogPath.h"

#include <cwchar>

bool InsertBeforeExtension(const wchar_t* path, const wchar_t* insert, wchar_t* out, std::size_t cap)
{
    const std::size_t length = std::wcslen(path);
    const std::size_t extra = std::wcslen(insert);
    if (length + extra + 1 > cap)
        return false;
    // Only a dot inside the file name counts; one in a folder name is not an extension.
    std::size_t at = length;
    for (std::size_t i = length; i > 0; --i) {
        const wchar_t c = path[i - 1];
        if (c == L'\\' || c == L'/')
            break;
        if (c == L'.') {
            at = i - 1;
            break;
        }
    }
    std::wmemcpy(out, path, at);
    std::wmemcpy(out + at, insert, extra);
    std::wmemcpy(out + at + extra, path + at, length - at + 1);
    return true;
}
