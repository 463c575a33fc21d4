// What a window opened over another is placed by, read from the screen.
#pragma once

#include <windows.h>

#include "ui/window/LayoutRect.h"

LayoutRect ToLayout(const RECT& r);

struct PlacementFrame {
    // Where the window's centre goes: the other window, or the work area when that window is
    // hidden or minimised (there is nothing to stand over then).
    LayoutRect centreOn;
    // The work area of the other window's screen, which the placed window must not leave.
    LayoutRect workArea;
};

PlacementFrame PlacementFrameOf(HWND over);
