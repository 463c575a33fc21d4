// Decodes one input file: every line goes to the stream of its direction.
#pragma once

#include "FrameReport.h"
#include "InputLine.h"
#include "StreamDecoder.h"

class CTraceDecoder
{
public:
    explicit CTraceDecoder(CReportSink& sink);

    // False for a line that is neither a trace line nor hexadecimal bytes; it is left out.
    bool TakeLine(std::string_view line);
    // End of the file: kept bytes of every direction are reported.
    void Finish();

private:
    CStreamDecoder m_unknown;
    CStreamDecoder m_tx;
    CStreamDecoder m_rx;
};
