// Trace-level dumps of a serial port's properties, line settings and timeouts.
#include "runtime/win32/Communication.h"

void TCommunication::DumpProperties(const COMMPROP& p)
{
    LogTrace(L"COMMPROP:dwServiceMask=%X", static_cast<unsigned>(p.dwServiceMask));
    LogTrace(L"COMMPROP:dwMaxTxQueue=%u", static_cast<unsigned>(p.dwMaxTxQueue));
    LogTrace(L"COMMPROP:dwMaxRxQueue=%u", static_cast<unsigned>(p.dwMaxRxQueue));
    LogTrace(L"COMMPROP:dwMaxBaud=%X", static_cast<unsigned>(p.dwMaxBaud));
    LogTrace(L"COMMPROP:dwProvSubType=%X", static_cast<unsigned>(p.dwProvSubType));
    LogTrace(L"COMMPROP:dwProvCapabilities=%X", static_cast<unsigned>(p.dwProvCapabilities));
    LogTrace(L"COMMPROP:dwSettableParams=%X", static_cast<unsigned>(p.dwSettableParams));
    LogTrace(L"COMMPROP:dwSettableBaud=%X", static_cast<unsigned>(p.dwSettableBaud));
    LogTrace(L"COMMPROP:wSettableData=%X", static_cast<unsigned>(p.wSettableData));
    LogTrace(L"COMMPROP:wSettableStopParity=%X", static_cast<unsigned>(p.wSettableStopParity));
    LogTrace(L"COMMPROP:dwCurrentTxQueue=%X", static_cast<unsigned>(p.dwCurrentTxQueue));
    LogTrace(L"COMMPROP:dwCurrentRxQueue=%X", static_cast<unsigned>(p.dwCurrentRxQueue));
}

void TCommunication::DumpSettings(const DCB& d)
{
    LogTrace(L"DCB:BaudRate=%lu", static_cast<unsigned long>(d.BaudRate));
    LogTrace(L"DCB:Flags=%lX", static_cast<unsigned long>(d.fBinary));
    LogTrace(L"DCB:wReserved=%hu", static_cast<unsigned short>(d.wReserved));
    LogTrace(L"DCB:XonLim=%hu", static_cast<unsigned short>(d.XonLim));
    LogTrace(L"DCB:XoffLim=%hu", static_cast<unsigned short>(d.XoffLim));
    LogTrace(L"DCB:ByteSize=%hu", static_cast<unsigned short>(d.ByteSize));
    LogTrace(L"DCB:Parity=%hu", static_cast<unsigned short>(d.Parity));
    LogTrace(L"DCB:StopBits=%hu", static_cast<unsigned short>(d.StopBits));
    LogTrace(L"DCB:XonChar=%hu", static_cast<unsigned short>(static_cast<unsigned char>(d.XonChar)));
    LogTrace(L"DCB:XoffChar=%hu", static_cast<unsigned short>(static_cast<unsigned char>(d.XoffChar)));
    LogTrace(L"DCB:ErrorChar=%hu", static_cast<unsigned short>(static_cast<unsigned char>(d.ErrorChar)));
    LogTrace(L"DCB:EofChar=%hu", static_cast<unsigned short>(static_cast<unsigned char>(d.EofChar)));
    LogTrace(L"DCB:EvtChar=%hu", static_cast<unsigned short>(static_cast<unsigned char>(d.EvtChar)));
    LogTrace(L"DCB:wReserved1=%hu", static_cast<unsigned short>(d.wReserved1));
}

void TCommunication::DumpTimeouts(const COMMTIMEOUTS& t)
{
    LogTrace(L"COMMTIMEOUTS:ReadIntervalTimeout=%lu", static_cast<unsigned long>(t.ReadIntervalTimeout));
    LogTrace(L"COMMTIMEOUTS:ReadTotalTimeoutMultiplier=%lu", static_cast<unsigned long>(t.ReadTotalTimeoutMultiplier));
    LogTrace(L"COMMTIMEOUTS:ReadTotalTimeoutConstant=%lu", static_cast<unsigned long>(t.ReadTotalTimeoutConstant));
    LogTrace(L"COMMTIMEOUTS:WriteTotalTimeoutMultiplier=%lu", static_cast<unsigned long>(t.WriteTotalTimeoutMultiplier));
    LogTrace(L"COMMTIMEOUTS:WriteTotalTimeoutConstant=%lu", static_cast<unsigned long>(t.WriteTotalTimeoutConstant));
}
