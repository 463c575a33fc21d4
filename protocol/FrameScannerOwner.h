// What the frame scanner reports to the object that owns it (the sensor session).
#pragma once

#include <cstdint>

// Directions of TraceFrame, as the communication trace takes them.
enum ETraceDirection { TraceOutgoing = 0, TraceIncoming = 1 };

// Implemented by the sensor session. All calls come from inside CFrameScanner::Scan, on the
// thread that calls it; pointers are valid for the call only. While a call runs, the receive
// buffer being scanned must not be changed (sending a request is fine).
class CFrameScannerOwner
{
public:
    // The whole pending input, once per scan, before any answer is handed on.
    virtual void TraceFrame(int direction, unsigned length, const uint8_t* bytes) = 0;

    // Answer dispatch by code. Frames shorter than their code needs, with wrong marker bytes or
    // with codes the tool does not interpret never get here.
    virtual void OnAcknowledge(uint8_t status) = 0;            // 0x00: 0 accepted, else refused
    virtual void OnIdentification(const uint8_t* record) = 0;  // 0x01: the 32-byte identification record
    virtual void OnDownloadStatus(const uint8_t* record) = 0;  // 0x02: the 32-byte download-status record
    // 0x28: the data record of `subcode` (the bytes after the subcode and the 0x01 marker); its
    // minimum length depends on the subcode and is the record decoder's to check.
    virtual void OnDataAnswer(uint8_t subcode, const uint8_t* record, unsigned length) = 0;
    virtual void OnSettings(const uint8_t* block) = 0; // 0x2B: the 96-byte settings block

    // The data answer of LLS commands 6 and 7: temperature in degrees Celsius and the two LLS
    // parameters. It does not take part in the request/answer exchange.
    virtual void OnLlsData(int8_t temperature, uint16_t parameter1, uint16_t parameter2) = 0;

protected:
    ~CFrameScannerOwner() = default;
};
