// Ctrl+C and Ctrl+Break as a request to end the running command cleanly instead of killing the process.
#include "ui/cli/win32/Interruption.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<bool> g_interrupted{false};

// Runs on a thread of its own; the message loop looks at the flag between its waits. Ending
// there lets the link close and the rows of a data log reach their file. A second press is
// left to the default handling, which ends the process at once, should the first not be heard.
BOOL WINAPI OnControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    return g_interrupted.exchange(true) ? FALSE : TRUE;
}

}  // namespace

void CatchInterruption() { SetConsoleCtrlHandler(&OnControl, TRUE); }

bool Interrupted() { return g_interrupted; }
