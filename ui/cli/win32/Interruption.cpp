// Ctrl+C and Ctrl+Break as a request to end the running command cleanly instead of killing the process.
#include "ui/cli/win32/Interruption.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<bool> g_interrupted{false};
HANDLE g_event = nullptr;

// Runs on a thread of its own. The message loop sleeps until a message comes, its time-out is
// up or this event is signalled, and then reads the flag: ending there lets the link close and
// the rows of a data log reach their file. A second press is left to the default handling,
// which ends the process at once, should the first not be heard.
BOOL WINAPI OnControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    if (g_interrupted.exchange(true))
        return FALSE;
    SetEvent(g_event);
    return TRUE;
}

}  // namespace

void CatchInterruption()
{
    // Once for the process: a fleet run makes a link on each of its threads, and a second event
    // would leave the waits on the first one deaf.
    static const bool caught = [] {
        g_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        return SetConsoleCtrlHandler(&OnControl, TRUE) != FALSE;
    }();
    (void)caught;
}

bool Interrupted() { return g_interrupted; }

void* InterruptionEvent() { return g_event; }
