// Key codes of key messages.
#include "ui/window/KeyCode.h"

std::optional<unsigned> KeyCodeOfMessage(unsigned message, std::uintptr_t wParam)
{
    const unsigned virtualKey = static_cast<unsigned>(wParam & 0xFFFF);
    if (message == kMessageKeyDown)
        return KeyPress(virtualKey);
    if (message == kMessageKeyUp)
        return virtualKey;
    return std::nullopt;
}
