// Where a window opened over another stands on the screen.
#include "ui/window/ScreenPlacement.h"

namespace {

// How far to move the span [low, high) to have it in [first, last): the far edge first, so
// that the near edge wins when the span is the longer.
int Shift(int low, int high, int first, int last)
{
    int shift = high > last ? last - high : 0;
    if (low + shift < first)
        shift = first - low;
    return shift;
}

}  // namespace

LayoutRect KeptInside(const LayoutRect& window, const LayoutRect& workArea)
{
    const int dx = Shift(window.left, window.right, workArea.left, workArea.right);
    const int dy = Shift(window.top, window.bottom, workArea.top, workArea.bottom);
    return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}
