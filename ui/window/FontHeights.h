// Character heights of the scaled fonts shared by every zooming dialog.
#pragma once

#include <array>

#include "ui/window/LayoutTable.h"

using ScaledFontHeights = std::array<int, kScaledFontCount>;

// Index k is truncate(base × scale × 1.5^k); the product runs in single precision and is
// multiplied by 1.5 from one index to the next, each height truncated toward zero (font
// heights are usually negative: character heights, not cell heights).
ScaledFontHeights ComputeScaledFontHeights(int baseHeight, float scale);
