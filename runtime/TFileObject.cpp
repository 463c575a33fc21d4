// Plain file wrapper.
#include "runtime/TFileObject.h"

#include <algorithm>
#include <cstring>

#include "runtime/OsFile.h"

TFileObject::~TFileObject() { Close(); }

bool TFileObject::FailFromSystem() { return Fail(OsLastError()); }

bool TFileObject::SetPath(const wchar_t* path)
{
    if (IsOpen())
        return Fail(errc::kParametersLocked);
    return SetName(path);
}

bool TFileObject::SetParameters(std::uint32_t access, std::uint32_t share, std::uint32_t disposition, std::uint32_t flags)
{
    if (IsOpen())
        return Fail(errc::kParametersLocked);
    m_access = access;
    m_share = share;
    m_disposition = disposition;
    m_flags = flags & ~osfile::kFlagOverlapped;
    return true;
}

bool TFileObject::Open()
{
    if (IsOpen())
        return true;
    m_handle = OsCreateFile(Path() ? Path() : L"", m_access, m_share, m_disposition, m_flags);
    SetError(OsLastError());
    return IsOpen();
}

bool TFileObject::Close()
{
    if (!IsOpen())
        return true;
    const THandle handle = m_handle;
    m_handle = InvalidHandleValue();
    return OsCloseHandle(handle) || FailFromSystem();
}

bool TFileObject::TakeOver(TFileObject& other)
{
    Close();
    if (!SetName(other.Path()))
        return false;
    m_access = other.m_access;
    m_share = other.m_share;
    m_disposition = other.m_disposition;
    m_flags = other.m_flags;
    m_handle = other.m_handle;
    other.m_handle = InvalidHandleValue();
    return true;
}

bool TFileObject::Flush() { return OsFlushFileBuffers(m_handle) || FailFromSystem(); }

bool TFileObject::GetSize(std::int64_t* size) { return OsGetFileSize(m_handle, size) || FailFromSystem(); }

bool TFileObject::SetPosition(std::int64_t position)
{
    return OsSetFilePointer(m_handle, position, osfile::kFromBegin, nullptr) || FailFromSystem();
}

bool TFileObject::SetEnd(std::int64_t position)
{
    return SetPosition(position) && (OsSetEndOfFile(m_handle) || FailFromSystem());
}

bool TFileObject::Read(void* data, std::uint32_t size, std::uint32_t* moved)
{
    return OsReadFile(m_handle, data, size, moved) || FailFromSystem();
}

bool TFileObject::Write(const void* data, std::uint32_t size, std::uint32_t* moved)
{
    return OsWriteFile(m_handle, data, size, moved) || FailFromSystem();
}

bool TFileObject::Fill(unsigned char value, std::int64_t count, std::int64_t position)
{
    unsigned char piece[256];
    std::memset(piece, value, sizeof piece);
    if (!SetPosition(position))
        return false;
    while (count > 0) {
        const std::uint32_t n = static_cast<std::uint32_t>(std::min<std::int64_t>(count, sizeof piece));
        std::uint32_t moved = 0;
        if (!Write(piece, n, &moved))
            return false;
        if (moved == 0)
            return Fail(errc::kHandleEof);
        count -= moved;
    }
    return true;
}
