// A rectangle in a dialog's client pixels, kept apart from the platform's RECT so
// that the zoom rules build and test on any host.
#pragma once

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LayoutRect&) const = default;
};

struct LayoutSize {
    int width = 0;
    int height = 0;
    bool operator==(const LayoutSize&) const = default;
};
