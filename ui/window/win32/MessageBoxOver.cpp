// Message boxes that open centred over the window they belong to.
#include "ui/window/win32/MessageBoxOver.h"

#include "ui/window/ScreenPlacement.h"
#include "ui/window/ZoomGeometry.h"
#include "ui/window/win32/PlacementFrame.h"

namespace {

// The box opening on this thread: the window it is to stand over and the hook that places it.
struct PendingBox {
    HWND over = nullptr;
    HHOOK hook = nullptr;
};
thread_local PendingBox t_pending;

void PlaceOver(HWND box, HWND over)
{
    RECT boxRect{};
    if (!::GetWindowRect(box, &boxRect))
        return;
    const PlacementFrame frame = PlacementFrameOf(over);
    // At scale 1 the rectangle keeps its size and is only centred.
    const LayoutRect centred = EnlargedChildRect(ToLayout(boxRect), 0, 0, 1.0f, frame.centreOn);
    const LayoutRect placed = KeptInside(centred, frame.workArea);
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
