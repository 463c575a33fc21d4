// Byte channel on a serial port, with a worker thread for all port I/O.
#pragma once

#include <windows.h>

#include <atomic>

#include "runtime/RxBuffer.h"
#include "runtime/ConnectionWrapper.h"
#include "runtime/TBuffer.h"
#include "runtime/win32/Thread.h"

class TCommunication;
class TEvent;

// The worker performs every port call; the interface thread copies bytes in and out of staging
// buffers, signals the worker's events and learns of results through posted messages.
class CCommConnection : public CConnectionWrapper, public TThread {
public:
    static constexpr DWORD kChunk = 1024;
    static constexpr DWORD kReadTotalMs = 1000;

    CCommConnection();
    ~CCommConnection() override;

    // Both bases count references; the channel is shared through CConnectionWrapper's count.
    using CConnectionWrapper::AddRef;
    using CConnectionWrapper::Release;
    using CConnectionWrapper::RefCount;

    // Interface thread. 1 open, 0 already open (nothing changed), -1 the port could not be
    // opened or configured. A read ends after readGapMs of silence, or after a gap sized to the
    // baud rate when it is 0 (see runtime/SerialReadGap.h). Results are posted as
    // message(wParam, lParam 1 input / 2 output) to window.
    int Open(const wchar_t* portName, DWORD baudRate, DWORD readGapMs, HWND window, UINT message);

    // Interface thread only, like the rest of the channel interface.
    int Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted) override;
    intptr_t GetHandle() override { return 1; }
    bool IsConnected() override { return IsActive(); }
    void Close() override;
    int OnEvent(int code) override;
    CRxBuffer& GetRxBuffer() override { return m_rx; }

protected:
    bool AfterCreate() override;
    void BeforeDestroy() override;
    int DoEvent(unsigned short id) override;

private:
    enum EEventId : unsigned short { kStartRead = 0, kStartWrite = 1, kReadDone = 2, kWriteDone = 3 };

    bool StartRead(unsigned short id);
    bool StartWrite(unsigned short id);
    bool ReadDone(unsigned short id);
    bool WriteDone(unsigned short id);
    bool ConfigureLine();
    void Post(WPARAM wParam, LPARAM side);
    // A side that failed: its error and -1 for the interface thread, then the post.
    void PostFailure(std::atomic<int32_t>& result, std::atomic<uint32_t>& error, LPARAM side);
    void LogBytes(const char* direction, const uint8_t* bytes, DWORD count);
    void DeletePort();

    TCommunication* m_port = nullptr;
    TEvent* m_startRead;
    TEvent* m_startWrite;
    TEvent* m_readDone;
    TEvent* m_writeDone;
    HWND m_window = nullptr;
    UINT m_message = 0;
    DWORD m_baudRate = 0;
    DWORD m_readGapSetting = 0;
    // The hand-over fields: each is written by one thread at a time, the posted message and the
    // event signal order the accesses (see OnEvent and the handlers).
    TBuffer m_txStage;
    std::atomic<uint32_t> m_txLength{0};
    std::atomic<int32_t> m_txResult{0};
    // The port's error behind a result of -1, written by the worker before it posts.
    std::atomic<uint32_t> m_txError{0};
    TBuffer m_readBuffer;
    std::atomic<uint32_t> m_rxCount{0};
    std::atomic<int32_t> m_rxResult{0};
    std::atomic<uint32_t> m_rxError{0};
    CRxBuffer m_rx;
};
