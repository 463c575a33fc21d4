// Host stand-in for the Win32 file calls: POSIX files with Win32 error codes and share modes.
#include "runtime/OsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <vector>

#include "runtime/native/NativeFileSpace.h"
#include "runtime/native/NativeHandle.h"
#include "runtime/native/NativeText.h"

namespace {

std::int64_t g_maxFileSize = -1;

// The files open in this process, for the share-mode checks Windows makes between openers.
class TOpenFiles {
public:
    struct Entry {
        dev_t device;
        ino_t inode;
        std::uint32_t access;
        std::uint32_t share;
        const void* owner;
    };

    bool Admit(const Entry& wanted)
    {
        std::lock_guard<std::mutex> hold(m_mutex);
        for (const Entry& e : m_entries) {
            if (e.device != wanted.device || e.inode != wanted.inode)
                continue;
            if (Refuses(e.share, wanted.access) || Refuses(wanted.share, e.access))
                return false;
        }
        m_entries.push_back(wanted);
        return true;
    }

    void Remove(const void* owner)
    {
        std::lock_guard<std::mutex> hold(m_mutex);
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->owner == owner) {
                m_entries.erase(it);
                return;
            }
        }
    }

private:
    static bool Refuses(std::uint32_t share, std::uint32_t access)
    {
        return ((access & osfile::kGenericRead) && !(share & osfile::kShareRead)) ||
               ((access & osfile::kGenericWrite) && !(share & osfile::kShareWrite));
    }

    std::mutex m_mutex;
    std::vector<Entry> m_entries;
};

TOpenFiles& OpenFiles()
{
    static TOpenFiles files;
    return files;
}

class TNativeFile : public TNativeHandle {
public:
    explicit TNativeFile(int fd) : m_fd(fd) {}
    ~TNativeFile() override
    {
        OpenFiles().Remove(this);
        ::close(m_fd);
    }
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

TNativeFile* FileOf(THandle handle)
{
    TNativeFile* file = dynamic_cast<TNativeFile*>(NativeHandleObject(handle));
    if (!file)
        OsSetLastError(errc::kInvalidHandle);
    return file;
}

bool FailWithErrno()
{
    OsSetLastError(Win32CodeFromErrno(errno));
    return false;
}

// Opens the file, creating it when the disposition allows; tells whether it existed before.
int OpenForDisposition(const std::string& path, int mode, std::uint32_t disposition, bool* existed)
{
    *existed = true;
    const bool mayCreate = disposition == osfile::kCreateNew || disposition == osfile::kCreateAlways ||
                           disposition == osfile::kOpenAlways;
    if (mayCreate) {
        const int fd = ::open(path.c_str(), mode | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST || disposition == osfile::kCreateNew) {
            *existed = fd < 0;
            return fd;
        }
    }
    return ::open(path.c_str(), mode | O_CLOEXEC);
}

}  // namespace

void NativeSetMaxFileSize(std::int64_t bytes) { g_maxFileSize = bytes; }

THandle OsCreateFile(const wchar_t* path, std::uint32_t access, std::uint32_t share,
                     std::uint32_t disposition, std::uint32_t)
{
    if (!path || disposition < osfile::kCreateNew || disposition > osfile::kTruncateExisting) {
        OsSetLastError(errc::kInvalidParameter);
        return InvalidHandleValue();
    }
    const bool reads = (access & osfile::kGenericRead) != 0;
    const bool writes = (access & osfile::kGenericWrite) != 0;
    const int mode = reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    bool existed = false;
    const int fd = OpenForDisposition(Utf8FromWide(path), mode, disposition, &existed);
    if (fd < 0) {
        FailWithErrno();
        return InvalidHandleValue();
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        OsSetLastError(errc::kAccessDenied);
        return InvalidHandleValue();
    }
    TNativeFile* file = new TNativeFile(fd);
    if (!OpenFiles().Admit({info.st_dev, info.st_ino, access, share, file})) {
        delete file;
        OsSetLastError(errc::kSharingViolation);
        return InvalidHandleValue();
    }
    const bool truncates = disposition == osfile::kCreateAlways || disposition == osfile::kTruncateExisting;
    if (truncates && ::ftruncate(fd, 0) != 0) {
        FailWithErrno();
        delete file;
        return InvalidHandleValue();
    }
    const bool reportsExisting = disposition == osfile::kCreateAlways || disposition == osfile::kOpenAlways;
    OsSetLastError(reportsExisting && existed ? errc::kAlreadyExists : 0);
    return file;
}

bool OsReadFile(THandle handle, void* data, std::uint32_t size, std::uint32_t* done)
{
    *done = 0;
    TNativeFile* file = FileOf(handle);
    if (!file)
        return false;
    char* to = static_cast<char*>(data);
    while (*done < size) {
        const ssize_t n = ::read(file->Fd(), to + *done, size - *done);
        if (n < 0)
            return FailWithErrno();
        if (n == 0)
            break;
        *done += static_cast<std::uint32_t>(n);
    }
    OsSetLastError(0);
    return true;
}

bool OsWriteFile(THandle handle, const void* data, std::uint32_t size, std::uint32_t* done)
{
    *done = 0;
    TNativeFile* file = FileOf(handle);
    if (!file)
        return false;
    std::uint32_t allowed = size;
    if (g_maxFileSize >= 0) {
        const off_t at = ::lseek(file->Fd(), 0, SEEK_CUR);
        const std::int64_t room = at < g_maxFileSize ? g_maxFileSize - at : 0;
        if (room < static_cast<std::int64_t>(allowed))
            allowed = static_cast<std::uint32_t>(room);
    }
    const char* from = static_cast<const char*>(data);
    while (*done < allowed) {
        const ssize_t n = ::write(file->Fd(), from + *done, allowed - *done);
        if (n < 0)
            return FailWithErrno();
        *done += static_cast<std::uint32_t>(n);
    }
    if (allowed < size) {
        OsSetLastError(errc::kDiskFull);
        return false;
    }
    OsSetLastError(0);
    return true;
}

bool OsSetFilePointer(THandle handle, std::int64_t distance, std::uint32_t method, std::int64_t* position)
{
    TNativeFile* file = FileOf(handle);
    if (!file)
        return false;
    const int whence = method == osfile::kFromEnd ? SEEK_END : method == osfile::kFromCurrent ? SEEK_CUR : SEEK_SET;
    const off_t at = ::lseek(file->Fd(), static_cast<off_t>(distance), whence);
    if (at < 0)
        return FailWithErrno();
    if (position)
        *position = at;
    OsSetLastError(0);
    return true;
}

bool OsGetFileSize(THandle handle, std::int64_t* size)
{
    TNativeFile* file = FileOf(handle);
    if (!file)
        return false;
    struct stat info {};
    if (::fstat(file->Fd(), &info) != 0)
        return FailWithErrno();
    *size = info.st_size;
    OsSetLastError(0);
    return true;
}

bool OsSetEndOfFile(THandle handle)
{
    TNativeFile* file = FileOf(handle);
    if (!file)
        return false;
    const off_t at = ::lseek(file->Fd(), 0, SEEK_CUR);
    if (at < 0 || ::ftruncate(file->Fd(), at) != 0)
        return FailWithErrno();
    OsSetLastError(0);
    return true;
}

bool OsFlushFileBuffers(THandle handle)
{
    TNativeFile* file = FileOf(handle);
    if (!file)
        return false;
    if (::fsync(file->Fd()) != 0)
        return FailWithErrno();
    OsSetLastError(0);
    return true;
}
