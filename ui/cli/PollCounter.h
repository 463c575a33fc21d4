// Counts answered polls from the session's request type as the updates report it.
#pragma once

class CPollCounter
{
public:
    // The request type after an update; true when it shows that a polling request
    // was answered (a polling type, then the pause or idle).
    bool Answered(int requestType);

private:
    bool m_polling = false;
};
