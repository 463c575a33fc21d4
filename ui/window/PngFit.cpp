// Where an image button draws its picture.
#include "ui/window/PngFit.h"

FitRect PngFit(const FitRect& item, FitDpi dpi, int imageWidth, int imageHeight)
{
    FitRect fit{item.left, item.top, 0, 0};
    if (item.width <= 0 || item.height <= 0 || imageWidth <= 0 || imageHeight <= 0)
        return fit;
    const double pixelAspect = (dpi.x > 0 && dpi.y > 0) ? double(dpi.x) / dpi.y : 1.0;
    const double itemAspect = double(item.width) / item.height / pixelAspect;
    const double imageAspect = double(imageWidth) / imageHeight;
    if (imageAspect < itemAspect) {
        fit.height = item.height;
        fit.width = static_cast<int>(imageAspect * item.height + 0.5);
        fit.left += (item.width - fit.width) / 2;
    } else {
        fit.width = item.width;
        fit.height = static_cast<int>(item.width / imageAspect + 0.5);
        fit.top += (item.height - fit.height) / 2;
    }
    return fit;
}
