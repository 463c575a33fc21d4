// Static text or picture: one message per method (texts come from CWindow).
#pragma once

#include "ui/window/win32/CWindow.h"

class CStatic : public CWindow {
public:
    using CWindow::CWindow;

    // Operations
    HICON SetIcon(HICON icon) const
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
};
