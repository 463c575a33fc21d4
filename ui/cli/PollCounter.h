// Counts answered polls from the session's request type as the updates report it.
#pragma once

class CPollCounter
{
public:
    // The request type after an update with these change bits; true when it shows that a
    // polling request was answered (a polling type, then the pause or idle). The update of
    // a dropped connection stops the session without an answer, so it answers nothing.
    bool Answered(int requestType, unsigned bits);

private:
    bool m_polling = false;
};
