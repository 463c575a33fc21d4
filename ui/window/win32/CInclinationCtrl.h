// The inclination gauge: the sensor's tilt as a green area below (or beside) a
// line through the centre tilted by the angle. The angle is the progress bar's
// position in whole degrees; the window text (the angle as text) is not drawn,
// nor is the highlight.
#pragma once

#include "ui/window/win32/CFuelLevelCtrl.h"

class CInclinationCtrl : public CFuelLevelCtrl {
public:
    // Operations
    // Draws the gauge at its current position into dc (the control's client
    // area, from 0, 0).
    void Paint(HDC dc) const;

protected:
    // Overridables
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
