// Window notifications and timers in the host build: handed to the TNativeWindow behind the handle.
#include "runtime/WindowLink.h"

#include "runtime/native/NativeWindow.h"

namespace
{
TNativeWindow* Receiver(TWindowHandle window)
{
    return static_cast<TNativeWindow*>(window);
}
}

bool PostWindowMessage(TWindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return window != nullptr && Receiver(window)->OnPost(message, wParam, lParam);
}

void SetWindowTimer(TWindowHandle window, std::uintptr_t id, unsigned milliseconds)
{
    if (window != nullptr)
        Receiver(window)->OnSetTimer(id, milliseconds);
}
