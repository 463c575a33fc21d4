// Where an image button draws its picture: scaled to fill the button along one
// side and centred along the other, keeping the picture's proportions.
#pragma once

struct FitRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const FitRect&) const = default;
};

struct FitDpi {
    int x = 96;  // the device's pixels per logical inch across
    int y = 96;  // and down
};

// The rectangle inside item for an image of imageWidth x imageHeight pixels.
// A picture relatively taller than the button fills its height, a wider one
// its width; the device's pixel aspect takes part in that choice. Rounds the
// scaled side to the nearest pixel. An empty item or image gives an empty
// rectangle at the item's origin; a device that reports no resolution counts
// as having square pixels.
FitRect PngFit(const FitRect& item, FitDpi dpi, int imageWidth, int imageHeight);
