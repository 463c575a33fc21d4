// The chart on a window: a static control of a template taken over to draw the chart through a
// memory bitmap (no flicker), with the readout where the pointer rests. The owner keeps the
// scene up to date and asks for a redraw; a hidden view draws nothing.
#pragma once

#include "ui/chart/ChartScene.h"
#include "ui/window/win32/CStatic.h"
#include "ui/window/win32/CSubclassedCtrl.h"


class CChartView : public CSubclassedCtrl<CStatic> {
public:
    // Attributes
    ChartScene& Scene() { return m_scene; }
    const ChartScene& Scene() const { return m_scene; }
    // The client size, the picture "Save chart as picture..." writes.
    SIZE ClientSize() const;

    // Operations
    // Paints again when the view can be seen; a hidden one is painted when shown.
    void Redraw();

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint();

    ChartScene m_scene;
    bool m_tracking = false;
};
