// Scaled font heights.
#include "ui/window/FontHeights.h"

ScaledFontHeights ComputeScaledFontHeights(int baseHeight, float scale)
{
    ScaledFontHeights heights{};
    float height = static_cast<float>(baseHeight) * scale;
    for (int& h : heights) {
        h = static_cast<int>(height);
        height *= 1.5f;
    }
    return heights;
}
