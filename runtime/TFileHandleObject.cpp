// Logging owner of one file handle.
#include "runtime/TFileHandleObject.h"

#include "runtime/OsFile.h"

TFileHandleObject::TFileHandleObject(const wchar_t* path, std::uint32_t access, std::uint32_t share,
                                     std::uint32_t disposition, std::uint32_t flags)
    : THandleObject(path, InvalidHandleValue()),
      m_access(access),
      m_share(share),
      m_disposition(disposition),
      m_flags(flags & ~osfile::kFlagOverlapped)
{
}

bool TFileHandleObject::FailCreate(const wchar_t* call)
{
    SetError(OsLastError());
    LogError(L"%ls %lu", call, static_cast<unsigned long>(GetError()));
    CloseOwnedHandle();
    return false;
}

bool TFileHandleObject::Create()
{
    if (IsCreated())
        return true;
    if (!IsOk()) {
        LogTrace(L"Create KO(not Ok)");
        return false;
    }
    LogTrace(L"Create file (%ls)", Path() ? Path() : L"");
    SetHandle(OsCreateFile(Path() ? Path() : L"", m_access, m_share, m_disposition, m_flags));
    SetError(OsLastError());
    if (!HasHandle())
        return FailCreate(L"CreateFile");
    const TErrorCode note = GetError();
    std::int64_t size = 0;
    std::int64_t position = 0;
    if (!OsGetFileSize(GetHandle(), &size))
        return FailCreate(L"GetFileSize");
    if (!OsSetFilePointer(GetHandle(), 0, osfile::kFromCurrent, &position))
        return FailCreate(L"SetFilePointer");
    SetError(note);
    m_size = size;
    m_position = position;
    SetCreated(true);
    LogTrace(L"Create OK");
    return true;
}

bool TFileHandleObject::Destroy()
{
    if (!IsCreated())
        return true;
    LogTrace(L"Destroy");
    SetCreated(false);
    m_size = -1;
    m_position = -1;
    if (CloseOwnedHandle())
        return true;
    SetError(OsLastError());
    LogError(L"CloseHandle %lu", static_cast<unsigned long>(GetError()));
    return false;
}

bool TFileHandleObject::SetPosition(std::int64_t position)
{
    if (!OsSetFilePointer(GetHandle(), position, osfile::kFromBegin, nullptr)) {
        SetError(OsLastError());
        LogError(L"SetFilePointer %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    m_position = position;
    return true;
}

bool TFileHandleObject::WriteAt(std::int64_t position, std::uint32_t length, const void* data)
{
    if (position != -1 && !SetPosition(position))
        return false;
    // A medium that fills may take part of the bytes and report success; asking again for the
    // rest brings the system's reason (disk full) instead of a bare short count.
    const char* bytes = static_cast<const char*>(data);
    std::uint32_t total = 0;
    bool failed = false;
    while (total < length) {
        std::uint32_t written = 0;
        failed = !OsWriteFile(GetHandle(), bytes + total, length - total, &written);
        total += written;
        if (failed || written == 0)
            break;
    }
    if (failed)
        SetError(OsLastError());
    m_position += total;
    if (m_position > m_size)
        m_size = m_position;
    if (failed) {
        LogError(L"WriteFile %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    if (total < length) {
        SetError(errc::kHandleEof);
        LogTrace(L"WriteFile (EOF)");
        return false;
    }
    return true;
}

bool TFileHandleObject::CutAt(std::int64_t position)
{
    if (!SetPosition(position))
        return false;
    if (!OsSetEndOfFile(GetHandle())) {
        SetError(OsLastError());
        LogError(L"SetEndOfFile %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    m_size = position;
    return true;
}
