// Serial byte channel: the worker's four event handlers and the interface thread's hand-over.
#include "runtime/win32/CommConnection.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "runtime/ByteTraceText.h"
#include "runtime/LogLevels.h"
#include "runtime/ReadHandOver.h"
#include "runtime/SerialReadGap.h"
#include "runtime/win32/Communication.h"
#include "runtime/win32/Event.h"

CCommConnection::CCommConnection()
    : CConnectionWrapper(kSerial),
      // The worker owns no window and is sent no messages: its waits need not look at a queue,
      // which under Wine costs a round trip to the server on every wait.
      TThread(nullptr, INFINITE, false),
      m_startRead(new (std::nothrow) TEvent(this, kStartRead)),
      m_startWrite(new (std::nothrow) TEvent(this, kStartWrite)),
      m_readDone(new (std::nothrow) TEvent(this, kReadDone)),
      m_writeDone(new (std::nothrow) TEvent(this, kWriteDone)),
      m_txStage(kChunk),
      m_readBuffer(kChunk)
{
    if (AdoptStatus(m_startRead) && AdoptStatus(m_startWrite) && AdoptStatus(m_readDone) && AdoptStatus(m_writeDone) &&
        AdoptStatus(&m_txStage))
        AdoptStatus(&m_readBuffer);
}

CCommConnection::~CCommConnection()
{
    Destroy();
    DeletePort();
}

int CCommConnection::Open(const wchar_t* portName, DWORD baudRate, DWORD readGapMs, HWND window, UINT message)
{
    if (IsActive())
        return 0;
    // A worker that ended on its own may have left its port object behind.
    DeletePort();
    m_port = new (std::nothrow) TCommunication(portName, kChunk, kChunk,
                                               TCommunication::kRead | TCommunication::kWrite | TCommunication::kCommEvent);
    if (!m_port)
        return -1;
    m_baudRate = baudRate;
    m_readGapSetting = readGapMs;
    m_window = window;
    m_message = message;
    m_txLength = 0;
    m_txResult = 0;
    m_rxCount = 0;
    m_rxResult = 0;
    m_txError = 0;
    m_rxError = 0;
    SetFailureCode(0);
    if (Create())
        return 1;
    // The port's own reason (missing, busy, denied) outlives the port object.
    SetFailureCode(m_port->GetError());
    DeletePort();
    return -1;
}

void CCommConnection::Close()
{
    Destroy();
    DeletePort();
}

int CCommConnection::Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted)
{
    if (length == 0 || m_txLength != 0 || m_txResult != 0)
        return 0;
    const uint32_t n = std::min<uint32_t>(length, kChunk);
    std::memcpy(m_txStage.Data(), bytes, n);
    accepted = n;
    // The length goes last: from here on the staging fields belong to the worker.
    m_txLength = n;
    m_startWrite->Set();
    return 1;
}

int CCommConnection::OnEvent(int code)
{
    int result = 0;
    if (code == kInputSide) {
        result = m_rxResult;
        if (result > 0) {
            uint32_t left = m_rxCount;
            result = HandOverRead(m_readBuffer.Data(), left, m_rx);
            m_rxCount = left;
            if (left != 0) {
                // The receive buffer is full: offer the rest again once its consumers made room.
                Post(0, kInputSide);
            } else {
                m_rxResult = 0;
                m_startRead->Set();
            }
        }
    } else if (code == kOutputSide) {
        result = m_txResult;
        if (result > 0) {
            m_txResult = 0;
            m_txLength = 0;
            const int flushed = Flush();
            result = flushed < 0 ? flushed : 0;
        }
    }
    if (result < 0) {
        SetFailureCode(code == kInputSide ? m_rxError : m_txError);
        Close();
    }
    return result;
}

bool CCommConnection::AfterCreate()
{
    if (!m_port->Create())
        return false;
    if (!ConfigureLine()) {
        m_port->Destroy();
        return false;
    }
    StartRead(kStartRead);
    return true;
}

// 8 data bits, no parity, one stop bit, no flow control, DTR and RTS raised; a read completes
// when its buffer is full, a read gap after the last byte, or 1000 ms after it started. A read
// may end inside an answer: the receive buffer keeps the bytes until the frame is whole.
bool CCommConnection::ConfigureLine()
{
    DCB& d = m_port->WorkingSettings();
    d.BaudRate = m_baudRate;
    d.fBinary = 1;
    d.fParity = 0;
    d.fOutxCtsFlow = 0;
    d.fOutxDsrFlow = 0;
    d.fDtrControl = DTR_CONTROL_ENABLE;
    d.fDsrSensitivity = 0;
    d.fTXContinueOnXoff = 1;
    d.fOutX = 0;
    d.fInX = 0;
    d.fErrorChar = 0;
    d.fNull = 0;
    d.fRtsControl = RTS_CONTROL_ENABLE;
    d.fAbortOnError = 0;
    d.ByteSize = 8;
    d.Parity = NOPARITY;
    d.StopBits = ONESTOPBIT;
    const bool state = m_port->SetState(d);
    COMMTIMEOUTS& t = m_port->WorkingTimeouts();
    t.ReadIntervalTimeout = ReadGapMs(m_baudRate, m_readGapSetting);
    // Which gap the line runs with, for an adapter that loses answers with the short one.
    m_port->LogDebug(L"read gap %lu ms (%ls)", static_cast<unsigned long>(t.ReadIntervalTimeout),
                     m_readGapSetting == kReadGapSizedToLine ? L"sized to the baud rate" : L"setting");
    t.ReadTotalTimeoutConstant = kReadTotalMs;
    const bool timeouts = m_port->SetTimeouts(t);
    const bool purged = m_port->Purge(PURGE_TXCLEAR | PURGE_RXCLEAR);
    DWORD errors = 0;
    const bool cleared = m_port->ClearErrors(errors, nullptr);
    return state && timeouts && purged && cleared;
}

void CCommConnection::BeforeDestroy() { m_port->Destroy(); }

int CCommConnection::DoEvent(unsigned short id)
{
    static const TEventEntry<CCommConnection> table[] = {{kStartRead, &CCommConnection::StartRead},
                                                         {kStartWrite, &CCommConnection::StartWrite},
                                                         {kReadDone, &CCommConnection::ReadDone},
                                                         {kWriteDone, &CCommConnection::WriteDone},
                                                         {0, nullptr}};
    const int result = DispatchEvent(this, table, id);
    return result != 0 ? result : TThread::DoEvent(id);
}

bool CCommConnection::StartRead(unsigned short)
{
    if (!m_port->ReadBegin({kChunk, m_readBuffer.Data()}, m_readDone->GetHandle()) &&
        m_port->GetError() != errc::kAlreadyActive)
        PostFailure(m_rxResult, m_rxError, kInputSide);
    return true;
}

bool CCommConnection::StartWrite(unsigned short)
{
    const uint32_t length = m_txLength;
    if (length == 0)
        return true;
    if (!m_port->WriteBegin({length, m_txStage.Data()}, m_writeDone->GetHandle()) &&
        m_port->GetError() != errc::kAlreadyActive)
        PostFailure(m_txResult, m_txError, kOutputSide);
    return true;
}

bool CCommConnection::ReadDone(unsigned short)
{
    TCommReport report{};
    // A read that cannot be collected means the port is gone (an adapter pulled
    // out): the channel closes now rather than at the next write.
    if (!m_port->ReadEnd(report)) {
        PostFailure(m_rxResult, m_rxError, kInputSide);
        return true;
    }
    m_rxCount = report.transferred;
    LogBytes("Rx", m_readBuffer.Data(), report.transferred);
    m_rxResult = 1;
    Post(1, kInputSide);
    return true;
}

bool CCommConnection::WriteDone(unsigned short)
{
    TCommReport report{};
    if (!m_port->WriteEnd(report)) {
        PostFailure(m_txResult, m_txError, kOutputSide);
        return true;
    }
    LogBytes("Tx", m_txStage.Data(), m_txLength);
    // The result goes first: the interface thread must not see an idle side before the post.
    m_txResult = 1;
    m_txLength = 0;
    Post(1, kOutputSide);
    return true;
}

void CCommConnection::Post(WPARAM wParam, LPARAM side) { PostMessageW(m_window, m_message, wParam, side); }

void CCommConnection::PostFailure(std::atomic<int32_t>& result, std::atomic<uint32_t>& error, LPARAM side)
{
    error = m_port->GetError();
    result = -1;
    Post(1, side);
}

void CCommConnection::LogBytes(const char* direction, const uint8_t* bytes, DWORD count)
{
    if (LogLevel() < logging::kDebug)
        return;
    wchar_t text[kByteTraceChars];
    FormatByteTrace(text, direction, bytes, count);
    LogDebug(L"%ls", text);
}

void CCommConnection::DeletePort()
{
    delete m_port;
    m_port = nullptr;
}
