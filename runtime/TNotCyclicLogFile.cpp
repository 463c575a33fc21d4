// Chained diagnostic log files with forward and backward links and a clock line after time jumps.
#include "runtime/TNotCyclicLogFile.h"

#include <atomic>
#include <cstdio>

#include "runtime/AnsiText.h"
#include "runtime/CalendarTime.h"
#include "runtime/LogExcept.h"
#include "runtime/LogLevels.h"
#include "runtime/LogPath.h"
#include "runtime/OsFile.h"
#include "runtime/ProcessClock.h"
#include "runtime/WideFormat.h"

namespace {
constexpr unsigned kNameAttempts = 1000;
constexpr std::size_t kMaxNameChars = 1024;
constexpr std::size_t kPartChars = 24;

// Counter value at the latest stamp change of any chained log, for the clock line.
std::atomic<std::int64_t> s_previousCounter{0};

bool NameTaken(TErrorCode code)
{
    return code == errc::kAccessDenied || code == errc::kSharingViolation || code == errc::kFileExists ||
           code == errc::kAlreadyExists;
}
}  // namespace

TNotCyclicLogFile::TNotCyclicLogFile() : TLogFile(L"1") {}

TNotCyclicLogFile::~TNotCyclicLogFile() { Open(L"", 0, 0); }

bool TNotCyclicLogFile::CloseAfterFailure(TFileObject& failed)
{
    SetError(failed.GetError());
    m_file.Close();
    return false;
}

bool TNotCyclicLogFile::Open(const wchar_t* path, std::uint32_t limit, std::uint32_t flags)
{
    if (!IsOk())
        return false;
    limit = EffectiveLimit(limit);
    path = path ? path : L"";
    TScopedLock hold(&m_lock);
    const bool samePath = SamePath(path, m_basePath.Get());
    if (!samePath && m_file.IsOpen()) {
        m_switching = true;
        WriteRawF(L"End");
        m_file.Close();
        m_switching = false;
    }
    m_limit = limit;
    m_flags = flags;
    ForgetStamp();
    if (samePath)
        return true;
    if (!m_basePath.Assign(path))
        return Fail(errc::kOutOfMemory);
    if (!*path)
        return true;
    m_namePart.Assign(nullptr);
    return StartNewFile(true);
}

// Creates the next file of the chain under a fresh time-stamped name.
bool TNotCyclicLogFile::CreateNext(wchar_t* part, std::size_t partCap)
{
    wchar_t name[kMaxNameChars];
    int counter = -1;
    std::uint64_t refusedSecond = 0;
    TErrorCode cause = errc::kInvalidParameter;
    for (unsigned attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::uint64_t now = NowLocal();
        const std::uint64_t second = now / kTicksPerSecond;
        if (counter >= 0 && second != refusedSecond)
            counter = -1;
        const TCalendarTime t = CalendarFromFileTime(now);
        std::size_t n = FormatWide(part, partCap, L"%04hu%02hu%02hu%02hu%02hu%02hu", t.year, t.month, t.day, t.hour,
                                   t.minute, t.second);
        if (counter >= 0)
            FormatWide(part + n, partCap - n, L"%03d", counter);
        if (!InsertBeforeExtension(m_basePath.Get(), part, name, kMaxNameChars) || !m_next.SetPath(name))
            break;
        m_next.SetParameters(osfile::kGenericRead | osfile::kGenericWrite, osfile::kShareRead, osfile::kCreateNew,
                             osfile::kAttributeNormal);
        if (m_next.Open())
            return true;
        cause = m_next.GetError();
        if (!NameTaken(cause))
            break;
        ++counter;
        refusedSecond = second;
    }
    m_next.SetError(cause);
    return false;
}

bool TNotCyclicLogFile::WriteMarker(const wchar_t* format, const wchar_t* namePart)
{
    wchar_t text[64];
    char bytes[64];
    const std::size_t n = FormatWide(text, 64, format, namePart);
    const std::size_t size = WideToAnsi(text, n, bytes, sizeof bytes);
    std::uint32_t moved = 0;
    if (!m_file.Write(bytes, static_cast<std::uint32_t>(size), &moved))
        return false;
    m_position += moved;
    return true;
}

bool TNotCyclicLogFile::StartNewFile(bool firstOfChain)
{
    wchar_t part[kPartChars];
    if (!CreateNext(part, kPartChars)) {
        m_next.Close();
        return CloseAfterFailure(m_next);
    }
    m_switching = true;
    if (m_file.IsOpen()) {
        // A failed forward link only loses the link; the chain goes on in the new file.
        WriteMarker(L"...>>%ls", part);
        m_file.Close();
    }
    m_file.TakeOver(m_next);
    m_position = 0;
    bool ok = true;
    if (firstOfChain) {
        WriteRawF(L"Begin 136 SE=%lu ML", static_cast<unsigned long>(LogExceptValue()));
    } else {
        ok = WriteMarker(L"%ls<<...\r\n", m_namePart.IsNull() ? L"???" : m_namePart.Get()) &&
             (!(m_flags & logging::kFlush) || m_file.Flush());
    }
    m_switching = false;
    if (!ok)
        return CloseAfterFailure(m_file);
    m_reserve = kLinkReserve;
    m_namePart.Assign(part);
    return m_file.IsOpen();
}

bool TNotCyclicLogFile::WriteRecord(const unsigned char* data, std::size_t size)
{
    if (!m_file.IsOpen())
        return false;
    const std::int64_t n = static_cast<std::int64_t>(size);
    if (m_switching) {
        if (m_position + n > m_limit)
            return false;
    } else if (m_position + n > static_cast<std::int64_t>(m_limit) - m_reserve && !StartNewFile(false)) {
        return false;
    }
    std::uint32_t moved = 0;
    if (!m_file.Write(data, static_cast<std::uint32_t>(size), &moved))
        return CloseAfterFailure(m_file);
    m_position += moved;
    if ((m_flags & logging::kFlush) && !m_file.Flush())
        return CloseAfterFailure(m_file);
    return true;
}

std::size_t TNotCyclicLogFile::BeforeStamp(std::uint64_t now, char* out, std::size_t cap)
{
    const bool jumped = !HasStamp() || now < StampTime() || now - StampTime() > kTicksPerDay;
    const std::int64_t counter = ProcessClock().LastCounter();
    int n = 0;
    if (jumped) {
        n = std::snprintf(out, cap, "%llX,%llX,%llX\r\n", static_cast<unsigned long long>(s_previousCounter.load()),
                          static_cast<unsigned long long>(counter),
                          static_cast<unsigned long long>(ProcessClock().Frequency()));
        n = n < 0 ? 0 : n >= static_cast<int>(cap) ? static_cast<int>(cap) - 1 : n;
    }
    if (!HasStamp() || now != StampTime())
        s_previousCounter = counter;
    return static_cast<std::size_t>(n);
}
