// What a command of kivra-cli runs with.
#include "ui/cli/win32/CommandRun.h"

#include "ui/cli/win32/Interruption.h"

CSensorLink& CCommandRun::Link()
{
    if (!m_link) {
        CatchInterruption();
        m_link.emplace(m_arguments, m_output);
    }
    return *m_link;
}
