// Accounting of received bytes in a channel's receive buffer.
#include "runtime/RxBuffer.h"

bool CRxBuffer::AppendReceived(uint32_t n)
{
    Commit(n);
    int status = LineNone;
    GetLine(status, false);
    return status == LineComplete || (m_partialData && status == LinePartial);
}
