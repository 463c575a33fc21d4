// Where an image button draws its picture.
#include "ui/window/PngFit.h"

LayoutRect PngFit(const LayoutRect& item, FitDpi dpi, LayoutSize picture)
{
    const int w = item.Width(), h = item.Height();
    if (w <= 0 || h <= 0 || picture.width <= 0 || picture.height <= 0)
        return LayoutRect{item.left, item.top, item.left, item.top};
    const double pixelAspect = (dpi.x > 0 && dpi.y > 0) ? double(dpi.x) / dpi.y : 1.0;
    const double itemAspect = double(w) / h / pixelAspect;
    const double pictureAspect = double(picture.width) / picture.height;
    int left = item.left, top = item.top, width = w, height = h;
    if (pictureAspect < itemAspect) {
        width = static_cast<int>(pictureAspect * h + 0.5);
        left += (w - width) / 2;
    } else {
        height = static_cast<int>(w / pictureAspect + 0.5);
        top += (h - height) / 2;
    }
    return LayoutRect{left, top, left + width, top + height};
}
