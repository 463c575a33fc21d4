// Ctrl+C and Ctrl+Break as a request to end the running command cleanly instead of killing the process.
#include "ui/cli/win32/Interruption.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<bool> g_interrupted{false};

// Runs on a thread of its own; the message loop looks at the flag between its waits. Ending
// there lets the link close and the rows of a data log reach their file.
BOOL WINAPI OnControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    g_interrupted = true;
    return TRUE;
}

}  // namespace

void CatchInterruption() { SetConsoleCtrlHandler(&OnControl, TRUE); }

bool Interrupted() { return g_interrupted; }
