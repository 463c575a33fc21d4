// Message boxes that open centred over the window they belong to.
#include "ui/window/win32/MessageBoxOver.h"

#include "ui/window/LayoutRect.h"
#include "ui/window/ScreenPlacement.h"
#include "ui/window/ZoomGeometry.h"

namespace {

// The box opening on this thread: the window it is to stand over and the hook that places it.
struct PendingBox {
    HWND over = nullptr;
    HHOOK hook = nullptr;
};
thread_local PendingBox t_pending;

LayoutRect ToLayout(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

void PlaceOver(HWND box, HWND over)
{
    RECT boxRect{};
    RECT overRect{};
    if (!::IsWindowVisible(over) || ::IsIconic(over) || !::GetWindowRect(box, &boxRect) || !::GetWindowRect(over, &overRect))
        return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    // At scale 1 the rectangle keeps its size and is only centred.
    const LayoutRect centred = EnlargedChildRect(ToLayout(boxRect), 0, 0, 1.0f, ToLayout(overRect));
    const LayoutRect placed = KeptInside(centred, ToLayout(monitor.rcWork));
    ::SetWindowPos(box, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK PlaceBoxHook(int code, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hook = t_pending.hook;
    // The box is the first window activated whose owner is the window it belongs to; it is
    // placed before it is first drawn, and the hook has done its work.
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && ::GetWindow(window, GW_OWNER) == t_pending.over) {
        PlaceOver(window, t_pending.over);
        ::UnhookWindowsHookEx(hook);
        t_pending.hook = nullptr;
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int MessageBoxOver(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    // A box asked for while another opens (from a message it dispatches) waits its turn.
    const PendingBox outer = t_pending;
    t_pending.over = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    t_pending.hook = t_pending.over ? ::SetWindowsHookExW(WH_CBT, PlaceBoxHook, nullptr, ::GetCurrentThreadId()) : nullptr;
    const int result = ::MessageBoxW(owner, text, caption, type);
    if (t_pending.hook)
        ::UnhookWindowsHookEx(t_pending.hook);
    t_pending = outer;
    return result;
}
