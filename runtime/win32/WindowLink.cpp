// Window notifications and timers on the Win32 message queue.
#include "runtime/WindowLink.h"

#include <windows.h>

bool PostWindowMessage(TWindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return PostMessageW(static_cast<HWND>(window), message, wParam, lParam) != FALSE;
}

void SetWindowTimer(TWindowHandle window, std::uintptr_t id, unsigned milliseconds)
{
    SetTimer(static_cast<HWND>(window), id, milliseconds, nullptr);
}
