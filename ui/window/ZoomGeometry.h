// Proportional zoom about a dialog's client origin: the arithmetic every zooming
// dialog shares, apart from the windows it is applied to.
#pragma once

#include "ui/window/LayoutRect.h"

// A dialog sized by the program may get smaller than its template; its controls never
// shrink below half their size (they then extend past the client area).
constexpr float kMinimumZoomScale = 0.5f;

// new / initial in single precision, raised to kMinimumZoomScale; 1 without an initial size.
float AxisZoomScale(int newSize, int initialSize);

// Each edge times its axis scale, plus 0.5, truncated.
LayoutRect ScaleLayoutRect(const LayoutRect& registered, float scaleX, float scaleY);

// A window cannot be made smaller than two thirds of its initial size (integer arithmetic).
LayoutSize MinimumTrackSize(int initialWidth, int initialHeight);

// A dialog opened from a zoomed window: its initial window rectangle grown by
// mx = truncate(w × scale − w + 1) / 2 left and right and my likewise top and bottom
// (w, h: its initial client size), then moved so that its centre (integer mean of the
// edges) falls on the centre of the centring rectangle.
LayoutRect EnlargedChildRect(const LayoutRect& initialWindow, int clientWidth, int clientHeight, float scale,
                             const LayoutRect& centreOn);

// The size state of one zooming dialog: its initial and current client size and the
// scales of its last layout.
class CZoomState {
public:
    // Attributes
    int InitialWidth() const { return m_initial.width; }
    int InitialHeight() const { return m_initial.height; }
    float ScaleX() const { return m_scaleX; }
    float ScaleY() const { return m_scaleY; }
    // The font scale: the smaller of the two axis scales.
    float FontScale() const { return m_scaleX < m_scaleY ? m_scaleX : m_scaleY; }

    // Operations
    // The client size at initialisation; the scales return to 1.
    void Start(int clientWidth, int clientHeight);
    // A size change: true when the controls must be laid out again, with the new scales
    // taken. Nothing to do before Start (initial width 0), while minimised, or when the
    // size did not change (a restore from minimised to the same size).
    bool Resize(bool minimized, int clientWidth, int clientHeight);

private:
    LayoutSize m_initial;
    LayoutSize m_current;
    float m_scaleX = 1.0f;
    float m_scaleY = 1.0f;
};
