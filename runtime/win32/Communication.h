// Serial port opened for overlapped I/O.
#pragma once

#include <windows.h>

#include "runtime/THandleObject.h"
#include "runtime/win32/OverlappedOperation.h"

// One outstanding read and one outstanding write, each signalled through the caller's event, and
// thin wrappers of the port's configuration calls.
class TCommunication : public THandleObject {
public:
    // Access flags.
    static constexpr DWORD kRead = 1;
    static constexpr DWORD kWrite = 2;
    static constexpr DWORD kCommEvent = 4;

    // The port is named as the device namespace knows it ("COM3"); it is not opened here.
    TCommunication(const wchar_t* portName, DWORD inputQueue, DWORD outputQueue, DWORD access);
    ~TCommunication() override;

    // Opens the port and records its properties, settings and timeouts; true if already open.
    bool Create() override;
    // Closes the port, aborting an active read and write. Always true.
    bool Destroy() override;

    bool ReadBegin(const TCommRequest& request, HANDLE event);
    // After the read's event fired. A read that ended by its total timeout, whichever way the
    // driver reports that, is a completion with the bytes it got (possibly none).
    bool ReadEnd(TCommReport& report);
    bool WriteBegin(const TCommRequest& request, HANDLE event);
    bool WriteEnd(TCommReport& report);

    bool GetState(DCB& settings);
    bool SetState(const DCB& settings);
    bool GetTimeouts(COMMTIMEOUTS& timeouts);
    bool SetTimeouts(const COMMTIMEOUTS& timeouts);
    bool SetQueues(DWORD inputSize, DWORD outputSize);
    // With PURGE_TXABORT / PURGE_RXABORT the write / read record is given up as well.
    bool Purge(DWORD flags);
    bool SetEventMask(DWORD mask);
    bool ClearErrors(DWORD& errors, COMSTAT* status);

    // Copies of the settings and timeouts read at opening, for the user to edit and apply.
    DCB& WorkingSettings() { return m_workingSettings; }
    COMMTIMEOUTS& WorkingTimeouts() { return m_workingTimeouts; }
    const DCB& CurrentSettings() const { return m_currentSettings; }
    const COMMTIMEOUTS& CurrentTimeouts() const { return m_currentTimeouts; }

private:
    struct OperationKind;
    static const OperationKind kReadOperation;
    static const OperationKind kWriteOperation;
    bool Begin(const OperationKind& kind, TOverlappedOperation& op, const TCommRequest& request, HANDLE event);
    bool End(const OperationKind& kind, TOverlappedOperation& op, TCommReport& report);
    // Waits until the system has let go of an aborted operation's record and buffer.
    void Abandon(TOverlappedOperation& op);

    void DumpProperties(const COMMPROP& p);
    void DumpSettings(const DCB& d);
    void DumpTimeouts(const COMMTIMEOUTS& t);

    DWORD m_inputQueue;
    DWORD m_outputQueue;
    DWORD m_access;
    DCB m_currentSettings{};
    COMMTIMEOUTS m_currentTimeouts{};
    TOverlappedOperation m_read;
    TOverlappedOperation m_write;
    TOverlappedOperation m_commEvent;
    DCB m_workingSettings{};
    COMMTIMEOUTS m_workingTimeouts{};
};
