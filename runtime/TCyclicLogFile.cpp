// Cyclic diagnostic log file: a ring of at most the limit's bytes with a zero byte after the newest line.
#include "runtime/TCyclicLogFile.h"

#include <algorithm>
#include <cstring>

#include "runtime/LogExcept.h"
#include "runtime/LogLevels.h"
#include "runtime/LogPath.h"
#include "runtime/OsFile.h"
#include "runtime/WideFormat.h"

namespace {
constexpr std::size_t kPiece = 2048;
constexpr unsigned kNumberedNames = 1000;
constexpr std::size_t kMaxNameChars = 1024;
// A full disk shrinks the ring and retries; a few rounds settle it, more would mean a fault.
constexpr int kDiskFullRounds = 4;

bool Refused(TErrorCode code) { return code == errc::kAccessDenied || code == errc::kSharingViolation; }
}  // namespace

TCyclicLogFile::TCyclicLogFile() : TLogFile(L"0") {}

TCyclicLogFile::~TCyclicLogFile() { Open(L"", 0, 0); }

bool TCyclicLogFile::CloseAfterFailure()
{
    SetError(m_file.GetError());
    m_file.Close();
    return false;
}

bool TCyclicLogFile::Open(const wchar_t* path, std::uint32_t limit, std::uint32_t flags)
{
    if (!IsOk())
        return false;
    limit = EffectiveLimit(limit);
    path = path ? path : L"";
    TScopedLock hold(&m_lock);
    if (SamePath(path, m_file.Path())) {
        m_limit = limit;
        m_flags = flags;
        ForgetStamp();
        return !m_file.IsOpen() || FitToLimit();
    }
    if (m_file.IsOpen()) {
        WriteRawF(L"End");
        m_file.Close();
    }
    if (!m_file.SetPath(path))
        return Fail(m_file.GetError());
    m_file.SetParameters(osfile::kGenericRead | osfile::kGenericWrite, osfile::kShareRead, osfile::kOpenAlways,
                         osfile::kFlagRandomAccess | osfile::kAttributeNormal);
    m_limit = limit;
    m_flags = flags;
    m_position = 0;
    m_size = 0;
    ForgetStamp();
    if (!*path)
        return true;
    if (!OpenFile(path))
        return false;
    if (!m_file.GetSize(&m_size) || !FindWritePosition())
        return CloseAfterFailure();
    if (!FitToLimit())
        return false;
    WriteRawF(L"Begin 136 SE=%lu ML", static_cast<unsigned long>(LogExceptValue()));
    return m_file.IsOpen();
}

// A path held by another program moves the log to the same name numbered 000 to 999.
bool TCyclicLogFile::OpenFile(const wchar_t* path)
{
    if (m_file.Open())
        return true;
    TErrorCode cause = m_file.GetError();
    wchar_t name[kMaxNameChars];
    for (unsigned i = 0; Refused(cause) && i < kNumberedNames; ++i) {
        wchar_t number[8];
        FormatWide(number, 8, L"%03u", i);
        if (!InsertBeforeExtension(path, number, name, kMaxNameChars) || !m_file.SetPath(name))
            break;
        if (m_file.Open())
            return true;
        cause = m_file.GetError();
    }
    SetError(cause);
    m_file.Close();
    return false;
}

bool TCyclicLogFile::FindWritePosition()
{
    unsigned char piece[kPiece];
    std::int64_t at = 0;
    if (!m_file.SetPosition(0))
        return false;
    for (;;) {
        std::uint32_t moved = 0;
        if (!m_file.Read(piece, kPiece, &moved))
            return false;
        if (moved == 0)
            break;
        if (const void* zero = std::memchr(piece, 0, moved)) {
            at += static_cast<const unsigned char*>(zero) - piece;
            break;
        }
        at += moved;
    }
    m_position = at;
    return m_file.SetPosition(m_position);
}

bool TCyclicLogFile::Copy(std::int64_t from, std::int64_t to, std::int64_t count)
{
    unsigned char piece[kPiece];
    while (count > 0) {
        const std::uint32_t want = static_cast<std::uint32_t>(std::min<std::int64_t>(count, kPiece));
        std::uint32_t got = 0;
        std::uint32_t moved = 0;
        if (!m_file.SetPosition(from) || !m_file.Read(piece, want, &got))
            return false;
        if (got == 0)
            return true;
        if (!m_file.SetPosition(to) || !m_file.Write(piece, got, &moved))
            return false;
        from += got;
        to += got;
        count -= got;
    }
    return true;
}

// Cuts a file larger than the limit to the limit, keeping the newest data in ring order.
bool TCyclicLogFile::FitToLimit()
{
    if (!m_file.IsOpen())
        return false;
    const std::int64_t limit = m_limit;
    if (m_size <= limit)
        return true;
    std::int64_t p = m_position;
    bool ok;
    if (p == 0) {
        ok = Copy(m_size - limit, 0, limit);
    } else if (p >= limit) {
        ok = Copy(p + 1 - limit, 0, limit);
        p = limit - 1;
    } else {
        ok = Copy(m_size - (limit - p - 1), p + 1, limit - p - 1);
    }
    ok = ok && m_file.SetEnd(limit) && m_file.SetPosition(p) && (!(m_flags & logging::kFlush) || m_file.Flush());
    if (!ok)
        return CloseAfterFailure();
    m_position = p;
    m_size = limit;
    return true;
}

bool TCyclicLogFile::WriteAtPosition(const void* data, std::size_t size, std::uint32_t* moved)
{
    if (!m_file.Write(data, static_cast<std::uint32_t>(size), moved))
        return false;
    m_position += *moved;
    m_size = std::max(m_size, m_position);
    return true;
}

bool TCyclicLogFile::WriteRecord(const unsigned char* data, std::size_t size)
{
    if (!m_file.IsOpen())
        return false;
    const std::int64_t n = static_cast<std::int64_t>(size);
    for (int round = 0; round < kDiskFullRounds; ++round) {
        const std::int64_t start = m_position;
        std::uint32_t moved = 0;
        bool ok = true;
        // A line longer than the whole ring (after it shrank on a full disk) would pass the
        // limit even from offset 0: it is dropped.
        if (n > m_limit)
            return true;
        if (m_position + n > m_limit) {
            ok = m_file.Fill(' ', m_size - m_position, m_position) && m_file.SetPosition(0);
            if (ok)
                m_position = 0;
        }
        ok = ok && WriteAtPosition(data, size, &moved);
        if (ok && m_position + 1 > m_limit) {
            ok = m_file.SetPosition(0);
            if (ok)
                m_position = 0;
        }
        const unsigned char marker = 0;
        ok = ok && m_file.Write(&marker, 1, &moved);
        if (ok) {
            m_size = std::max(m_size, m_position + 1);
            ok = m_file.SetPosition(m_position) && (!(m_flags & logging::kFlush) || m_file.Flush());
            if (ok)
                return true;
        }
        if (m_file.GetError() != errc::kDiskFull)
            return CloseAfterFailure();
        // The ring shrinks to what the disk holds.
        std::int64_t held = 0;
        if (!m_file.GetSize(&held))
            return CloseAfterFailure();
        m_limit = static_cast<std::uint32_t>(held);
        m_size = held;
        m_position = std::min(start, held);
        if (!m_file.SetPosition(m_position))
            return CloseAfterFailure();
    }
    m_file.SetError(errc::kDiskFull);
    return CloseAfterFailure();
}
