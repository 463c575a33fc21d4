// Drop-down list heights.
#include "ui/window/DropDownMetrics.h"

DropDownMetrics MeasureDropDown(int droppedHeight, int selectionFieldHeight, int itemHeight)
{
    const int listHeight = droppedHeight - selectionFieldHeight;
    if (itemHeight <= 0)
        return {0, listHeight};
    return {listHeight / itemHeight, listHeight % itemHeight};
}

int DropDownHeight(const DropDownMetrics& metrics, int selectionFieldHeight, int itemHeight)
{
    return itemHeight * metrics.itemCount + selectionFieldHeight + metrics.remainder;
}
