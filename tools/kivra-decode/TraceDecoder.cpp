// Routing input lines to the decoder of their direction.
#include "TraceDecoder.h"

CTraceDecoder::CTraceDecoder(CReportSink& sink)
    : m_unknown(EDirection::None, sink), m_tx(EDirection::Tx, sink), m_rx(EDirection::Rx, sink)
{
}

bool CTraceDecoder::TakeLine(std::string_view line)
{
    const CInputLine input = ParseInputLine(line);
    switch (input.kind) {
    case CInputLine::Empty: break;
    case CInputLine::Invalid: return false;
    case CInputLine::Hex: m_unknown.TakeBytes(input.bytes.data(), input.bytes.size()); break;
    case CInputLine::Trace:
        (input.direction == EDirection::Tx ? m_tx : m_rx).TakeSnapshot(input.bytes.data(), input.bytes.size());
        break;
    }
    return true;
}

void CTraceDecoder::Finish()
{
    m_unknown.Finish();
    m_tx.Finish();
    m_rx.Finish();
}
