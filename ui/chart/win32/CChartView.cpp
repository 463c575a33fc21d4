// The chart on a window.
#include "ui/chart/win32/CChartView.h"

#include "ui/chart/win32/ChartPainter.h"

#include <windowsx.h>

SIZE CChartView::ClientSize() const
{
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void CChartView::Redraw()
{
    if (IsWindow() && ::IsWindowVisible(m_hWnd))
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CChartView::Paint()
{
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    const SIZE size = ClientSize();
    // Drawn whole into a bitmap and copied at once, so the window never shows a half-drawn chart.
    const HDC memory = ::CreateCompatibleDC(dc);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(dc, size.cx, size.cy);
    if (memory && bitmap) {
        const HGDIOBJ old = ::SelectObject(memory, bitmap);
        PaintChart(memory, LayoutRect{0, 0, int(size.cx), int(size.cy)}, m_scene);
        ::BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    if (memory)
        ::DeleteDC(memory);
    ::EndPaint(m_hWnd, &paint);
}

bool CChartView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_SETTEXT:
        // The text is kept for those who read it, not drawn: a static control would draw it over
        // the chart at once.
        result = ::DefWindowProcW(m_hWnd, message, wParam, lParam);
        return true;
    case WM_MOUSEMOVE:
        if (!m_tracking) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
            m_tracking = ::TrackMouseEvent(&track) != FALSE;
        }
        m_scene.pointer = ChartPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        Redraw();
        return false;
    case WM_MOUSELEAVE:
        m_tracking = false;
        m_scene.pointer.reset();
        Redraw();
        return false;
    default:
        return false;
    }
}
