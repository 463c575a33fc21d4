// One line of the decoder's output: a frame found in the trace, or bytes that form none.
#pragma once

#include "Json.h"

enum class EDirection { None, Tx, Rx };
enum class EReportFamily { Request, Response, Lls, Skipped };

struct CFrameReport
{
    EDirection direction = EDirection::None;
    EReportFamily family = EReportFamily::Skipped;
    unsigned address = 0;
    unsigned code = 0;
    const char* name = nullptr; // nullptr for codes without a name
    unsigned length = 0;
    bool crcOk = false;
    CJson fields;
};

class CReportSink
{
public:
    virtual void Report(const CFrameReport& report) = 0;

protected:
    ~CReportSink() = default;
};
