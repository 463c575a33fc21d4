// A drop-down list keeps showing the same number of whole items when it zooms: its
// dropped height is remembered as an item count and a remainder in pixels.
#pragma once

struct DropDownMetrics {
    int itemCount = 0;
    int remainder = 0;
    bool operator==(const DropDownMetrics&) const = default;
};

// From the dropped control's height and the heights of the selection field and an item.
// An item height of 0 or less (a list the platform cannot measure) keeps the whole list
// height as the remainder.
DropDownMetrics MeasureDropDown(int droppedHeight, int selectionFieldHeight, int itemHeight);

// The dropped height that shows the remembered items at the current heights.
int DropDownHeight(const DropDownMetrics& metrics, int selectionFieldHeight, int itemHeight);
