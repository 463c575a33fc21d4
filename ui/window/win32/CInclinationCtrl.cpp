// The inclination gauge.
#include "ui/window/win32/CInclinationCtrl.h"

#include "ui/window/GaugePolygon.h"

#include <array>

void CInclinationCtrl::Paint(HDC dc) const
{
    const RECT client = GetClientRect();
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));

    const GaugePolygonPoints corners =
        GaugePolygon(LayoutRect{client.left, client.top, client.right, client.bottom}, GetPos());
    std::array<POINT, std::tuple_size_v<GaugePolygonPoints>> points;
    for (size_t i = 0; i < corners.size(); ++i)
        points[i] = POINT{corners[i].x, corners[i].y};

    const HBRUSH fill = ::CreateSolidBrush(kGaugeFillColor);
    const HGDIOBJ oldBrush = ::SelectObject(dc, fill);
    const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::Polygon(dc, points.data(), static_cast<int>(points.size()));
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(fill);
}

bool CInclinationCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = ::BeginPaint(m_hWnd, &paint)) {
            Paint(dc);
            ::EndPaint(m_hWnd, &paint);
        }
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_ERASEBKGND:
        // The painting covers every pixel; erasing first would only flicker.
        result = TRUE;
        return true;
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        // How much of itself the progress bar repaints for a new value is its own
        // business; the gauge's line moves across the whole control.
        result = DefaultProc(message, wParam, lParam);
        Invalidate(false);
        return true;
    default:
        return false;
    }
}
