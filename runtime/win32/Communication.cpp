// Serial port: opening by the device path, overlapped reads and writes, configuration wrappers.
#include "runtime/win32/Communication.h"

#include <cwchar>

#include "runtime/WideFormat.h"

// The texts and rules that tell a read from a write.
struct TCommunication::OperationKind {
    DWORD accessBit;
    bool isRead;
    const wchar_t* beginDenied;
    const wchar_t* beginActive;
    const wchar_t* begin;
    const wchar_t* platformCallFailed;
    const wchar_t* endDenied;
    const wchar_t* endNotActive;
    const wchar_t* end;
};

const TCommunication::OperationKind TCommunication::kReadOperation{
    kRead, true, L"ARead_Begin KO(denied)", L"ARead_Begin KO(active)", L"ARead_Begin", L"ReadFile %lu",
    L"ARead_End KO(denied)", L"ARead_End KO(not active)", L"ARead_End"};
const TCommunication::OperationKind TCommunication::kWriteOperation{
    kWrite, false, L"AWrite_Begin KO(denied)", L"AWrite_Begin KO(active)", L"AWrite_Begin", L"WriteFile %lu",
    L"AWrite_End KO(denied)", L"AWrite_End KO(not active)", L"AWrite_End"};

namespace {

// A read that ran into its total timeout; drivers report that as success with 0 bytes or as one
// of these errors, and neither may stop the reading.
bool IsReadTimeout(DWORD error) { return error == ERROR_TIMEOUT || error == ERROR_SEM_TIMEOUT; }

// The log prefix is the port name without one trailing ":".
void PortPrefix(const wchar_t* portName, wchar_t (&out)[64])
{
    FormatWide(out, 64, L"%ls", portName && *portName ? portName : L"Port");
    const std::size_t n = std::wcslen(out);
    if (portName && *portName && n > 0 && out[n - 1] == L':')
        out[n - 1] = 0;
}

}  // namespace

TCommunication::TCommunication(const wchar_t* portName, DWORD inputQueue, DWORD outputQueue, DWORD access)
    : THandleObject(portName, INVALID_HANDLE_VALUE),
      m_inputQueue(inputQueue),
      m_outputQueue(outputQueue),
      m_access(access)
{
    wchar_t prefix[64];
    PortPrefix(portName, prefix);
    SetLogPrefix(prefix);
}

TCommunication::~TCommunication() { Destroy(); }

bool TCommunication::Create()
{
    if (IsCreated())
        return true;
    LogTrace(L"Create");
    if (!IsOk()) {
        LogTrace(L"Create KO(not Ok)");
        return false;
    }
    SetError(0);
    const DWORD access = ((m_access & kRead) ? GENERIC_READ : 0) | ((m_access & kWrite) ? GENERIC_WRITE : 0);
    wchar_t path[MAX_PATH];
    FormatWide(path, MAX_PATH, L"\\\\.\\%ls", GetName() ? GetName() : L"");
    const HANDLE port = CreateFileW(path, access, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        SetError(GetLastError());
        LogError(L"CreateFile %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    SetHandle(port);
    COMMPROP properties{};
    if (GetCommProperties(port, &properties)) {
        DumpProperties(properties);
    } else {
        SetError(GetLastError());
        LogError(L"GetCommProperties %lu", static_cast<unsigned long>(GetError()));
    }
    // Without the properties the driver's queue sizes are unknown, so they are set as well.
    bool ok = true;
    if (properties.dwCurrentTxQueue != m_outputQueue || properties.dwCurrentRxQueue != m_inputQueue)
        ok = SetQueues(m_inputQueue, m_outputQueue);
    const bool state = GetState(m_currentSettings);
    const bool timeouts = GetTimeouts(m_currentTimeouts);
    if (!ok || !state || !timeouts) {
        CloseOwnedHandle();
        LogTrace(L"Create KO");
        return false;
    }
    m_workingSettings = m_currentSettings;
    m_workingTimeouts = m_currentTimeouts;
    m_read.Clear();
    m_write.Clear();
    m_commEvent.Clear();
    SetCreated(true);
    LogTrace(L"Create OK");
    return true;
}

bool TCommunication::Destroy()
{
    if (!IsCreated())
        return true;
    LogTrace(L"Destroy");
    SetEventMask(0);
    Purge(PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    CloseOwnedHandle();
    SetCreated(false);
    return true;
}

bool TCommunication::ReadBegin(const TCommRequest& request, HANDLE event)
{
    return Begin(kReadOperation, m_read, request, event);
}

bool TCommunication::ReadEnd(TCommReport& report) { return End(kReadOperation, m_read, report); }

bool TCommunication::WriteBegin(const TCommRequest& request, HANDLE event)
{
    return Begin(kWriteOperation, m_write, request, event);
}

bool TCommunication::WriteEnd(TCommReport& report) { return End(kWriteOperation, m_write, report); }

bool TCommunication::Begin(const OperationKind& kind, TOverlappedOperation& op, const TCommRequest& request,
                           HANDLE event)
{
    if (!(m_access & kind.accessBit)) {
        SetError(errc::kAccessDenied);
        LogError(kind.beginDenied);
        return false;
    }
    if (!op.Begin(event, request)) {
        SetError(errc::kAlreadyActive);
        LogError(kind.beginActive);
        return false;
    }
    LogTrace(kind.begin);
    DWORD count = 0;
    const BOOL done = kind.isRead ? ReadFile(GetHandle(), request.buffer, request.length, &count, op.Overlapped())
                                  : WriteFile(GetHandle(), request.buffer, request.length, &count, op.Overlapped());
    if (!done) {
        SetError(GetLastError());
        if (GetError() == ERROR_IO_PENDING)
            return true;
        if (!kind.isRead || !IsReadTimeout(GetError())) {
            op.Clear();
            LogError(kind.platformCallFailed, static_cast<unsigned long>(GetError()));
            return false;
        }
    }
    DWORD second = kind.isRead ? 0 : request.length;
    if (kind.isRead)
        ClearErrors(second, nullptr);
    op.CompleteAtOnce(count, second);
    return true;
}

bool TCommunication::End(const OperationKind& kind, TOverlappedOperation& op, TCommReport& report)
{
    if (!(m_access & kind.accessBit)) {
        SetError(errc::kAccessDenied);
        LogError(kind.endDenied);
        return false;
    }
    if (!op.IsActive()) {
        SetError(errc::kNotActive);
        LogTrace(kind.endNotActive);
        return false;
    }
    LogTrace(kind.end);
    if (op.CompletedAtOnce()) {
        report = op.ImmediateReport();
    } else {
        DWORD count = 0;
        if (!GetOverlappedResult(GetHandle(), op.Overlapped(), &count, FALSE)) {
            SetError(GetLastError());
            if (!kind.isRead || !IsReadTimeout(GetError())) {
                LogError(L"GetOverlappedResult %lu", static_cast<unsigned long>(GetError()));
                return false;
            }
        }
        report.transferred = count;
        report.second = kind.isRead ? 0 : op.RequestedLength();
        if (kind.isRead)
            ClearErrors(report.second, nullptr);
    }
    op.Clear();
    return true;
}

void TCommunication::Abandon(TOverlappedOperation& op)
{
    if (op.IsActive() && !op.CompletedAtOnce()) {
        DWORD ignored = 0;
        CancelIoEx(GetHandle(), op.Overlapped());
        GetOverlappedResult(GetHandle(), op.Overlapped(), &ignored, TRUE);
    }
    op.Cancel();
}

bool TCommunication::GetState(DCB& settings)
{
    settings.DCBlength = sizeof settings;
    if (!GetCommState(GetHandle(), &settings)) {
        SetError(GetLastError());
        LogError(L"GetCommState %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    DumpSettings(settings);
    return true;
}

bool TCommunication::SetState(const DCB& settings)
{
    DumpSettings(settings);
    DCB applied = settings;
    applied.DCBlength = sizeof applied;
    if (!SetCommState(GetHandle(), &applied)) {
        SetError(GetLastError());
        LogError(L"SetCommState %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    return true;
}

bool TCommunication::GetTimeouts(COMMTIMEOUTS& timeouts)
{
    if (!GetCommTimeouts(GetHandle(), &timeouts)) {
        SetError(GetLastError());
        LogError(L"GetCommTimeouts %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    DumpTimeouts(timeouts);
    return true;
}

bool TCommunication::SetTimeouts(const COMMTIMEOUTS& timeouts)
{
    DumpTimeouts(timeouts);
    COMMTIMEOUTS applied = timeouts;
    if (!SetCommTimeouts(GetHandle(), &applied)) {
        SetError(GetLastError());
        LogError(L"SetCommTimeouts %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    return true;
}

bool TCommunication::SetQueues(DWORD inputSize, DWORD outputSize)
{
    if (!SetupComm(GetHandle(), inputSize, outputSize)) {
        SetError(GetLastError());
        LogError(L"SetupComm %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    return true;
}

bool TCommunication::Purge(DWORD flags)
{
    const bool ok = PurgeComm(GetHandle(), flags);
    if (!ok) {
        SetError(GetLastError());
        LogError(L"PurgeComm %lu", static_cast<unsigned long>(GetError()));
    }
    if ((flags & PURGE_TXABORT) && (m_access & kWrite))
        Abandon(m_write);
    if ((flags & PURGE_RXABORT) && (m_access & kRead))
        Abandon(m_read);
    return ok;
}

bool TCommunication::SetEventMask(DWORD mask)
{
    if (!SetCommMask(GetHandle(), mask)) {
        SetError(GetLastError());
        LogError(L"SetCommMask %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    if (m_access & kCommEvent)
        m_commEvent.Cancel();
    return true;
}

bool TCommunication::ClearErrors(DWORD& errors, COMSTAT* status)
{
    if (!ClearCommError(GetHandle(), &errors, status)) {
        SetError(GetLastError());
        LogError(L"ClearCommError %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    return true;
}
