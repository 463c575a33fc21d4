// Where an image button draws its picture: scaled to fill the button along one
// side and centred along the other, keeping the picture's proportions.
#pragma once

#include "ui/window/LayoutRect.h"

struct FitDpi {
    int x = 96;  // the device's pixels per logical inch across
    int y = 96;  // and down
};

// The rectangle inside item for a picture of the given size in pixels. A
// picture relatively taller than the button fills its height, a wider one its
// width; the device's pixel aspect takes part in that choice. Rounds the scaled
// side to the nearest pixel. An empty item or picture gives an empty rectangle
// at the item's origin; a device that reports no resolution counts as having
// square pixels.
LayoutRect PngFit(const LayoutRect& item, FitDpi dpi, LayoutSize picture);
