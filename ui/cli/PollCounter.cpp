// Counts answered polls from the session's request type as the updates report it.
#include "ui/cli/PollCounter.h"

#include "protocol/KivraProcessor.h"
#include "protocol/UpdateBits.h"

bool CPollCounter::Answered(int requestType, unsigned bits)
{
    if (bits == ChangeBits::Everything) {
        m_polling = false;
        return false;
    }
    const bool polling = requestType >= CKivraProcessor::ReqPollShort && requestType <= CKivraProcessor::ReqPollMagnets;
    const bool answered = m_polling && (requestType == CKivraProcessor::ReqPollPause ||
                                        requestType == CKivraProcessor::ReqIdle);
    if (polling || answered)
        m_polling = polling;
    return answered;
}
