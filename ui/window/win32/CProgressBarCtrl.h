// Progress bar: one message per method.
#pragma once

#include <commctrl.h>

#include "ui/window/win32/CWindow.h"

class CProgressBarCtrl : public CWindow {
public:
    using CWindow::CWindow;

    // Attributes
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    void GetRange(int& low, int& high) const
    {
        PBRANGE range{};
        SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        low = range.iLow;
        high = range.iHigh;
    }

    // Operations
    void SetRange(int low, int high) const { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }
    // The previous position.
    int SetPos(int position) const { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position))); }
};
