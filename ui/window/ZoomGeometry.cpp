// Zoom arithmetic.
#include "ui/window/ZoomGeometry.h"

namespace {
int ScaleEdge(int edge, float scale) { return static_cast<int>(static_cast<float>(edge) * scale + 0.5f); }

int Centre(int low, int high) { return (low + high) / 2; }
}  // namespace

float AxisZoomScale(int newSize, int initialSize)
{
    if (initialSize <= 0)
        return 1.0f;
    const float scale = static_cast<float>(newSize) / static_cast<float>(initialSize);
    return scale < kMinimumZoomScale ? kMinimumZoomScale : scale;
}

LayoutRect ScaleLayoutRect(const LayoutRect& r, float scaleX, float scaleY)
{
    return {ScaleEdge(r.left, scaleX), ScaleEdge(r.top, scaleY), ScaleEdge(r.right, scaleX),
            ScaleEdge(r.bottom, scaleY)};
}

LayoutSize MinimumTrackSize(int initialWidth, int initialHeight)
{
    return {2 * initialWidth / 3, 2 * initialHeight / 3};
}

LayoutRect EnlargedChildRect(const LayoutRect& initialWindow, int clientWidth, int clientHeight, float scale,
                             const LayoutRect& centreOn)
{
    const float w = static_cast<float>(clientWidth);
    const float h = static_cast<float>(clientHeight);
    const int mx = static_cast<int>(w * scale - w + 1.0f) / 2;
    const int my = static_cast<int>(h * scale - h + 1.0f) / 2;
    LayoutRect r{initialWindow.left - mx, initialWindow.top - my, initialWindow.right + mx,
                 initialWindow.bottom + my};
    const int dx = Centre(centreOn.left, centreOn.right) - Centre(r.left, r.right);
    const int dy = Centre(centreOn.top, centreOn.bottom) - Centre(r.top, r.bottom);
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void CZoomState::Start(int clientWidth, int clientHeight)
{
    m_initial = {clientWidth, clientHeight};
    m_current = m_initial;
    m_scaleX = 1.0f;
    m_scaleY = 1.0f;
}

bool CZoomState::Resize(bool minimized, int clientWidth, int clientHeight)
{
    if (m_initial.width == 0 || minimized)
        return false;
    if (clientWidth == m_current.width && clientHeight == m_current.height)
        return false;
    m_current = {clientWidth, clientHeight};
    m_scaleX = AxisZoomScale(clientWidth, m_initial.width);
    m_scaleY = AxisZoomScale(clientHeight, m_initial.height);
    return true;
}
