// What a window opened over another is placed by, read from the screen.
#include "ui/window/win32/PlacementFrame.h"

LayoutRect ToLayout(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

PlacementFrame PlacementFrameOf(HWND over)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT overRect{};
    const bool shown = ::IsWindowVisible(over) && !::IsIconic(over) && ::GetWindowRect(over, &overRect);
    return {ToLayout(shown ? overRect : monitor.rcWork), ToLayout(monitor.rcWork)};
}
