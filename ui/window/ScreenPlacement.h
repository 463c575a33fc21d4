// Where a window opened over another stands on the screen.
#pragma once

#include "ui/window/LayoutRect.h"

// window moved, not resized, the least it takes to lie within workArea; one larger than
// the area keeps its top-left corner (with the caption) in it, so it can still be moved.
LayoutRect KeptInside(const LayoutRect& window, const LayoutRect& workArea);
