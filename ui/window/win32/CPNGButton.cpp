// An owner-drawn button showing a PNG picture of the program's resources.
#include "ui/window/win32/CPNGButton.h"

#include "ui/window/PngFit.h"

CPNGButton::CPNGButton(int pngResourceId) { m_image.Load(::GetModuleHandleW(nullptr), pngResourceId); }

void CPNGButton::DrawItem(const DRAWITEMSTRUCT& item) const
{
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_image.HasImage())
        return;
    const LayoutRect box{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    const FitDpi dpi{::GetDeviceCaps(item.hDC, LOGPIXELSX), ::GetDeviceCaps(item.hDC, LOGPIXELSY)};
    const LayoutRect fit = PngFit(box, dpi, LayoutSize{m_image.GetWidth(), m_image.GetHeight()});
    if (fit.Width() <= 0 || fit.Height() <= 0)
        return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Gdiplus::DllExports::GdipCreateFromHDC(item.hDC, &graphics) != Gdiplus::Ok)
        return;
    Gdiplus::DllExports::GdipDrawImageRectI(graphics, m_image.GetBitmap(), fit.left, fit.top, fit.Width(), fit.Height());
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
}

bool CPNGButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case ReflectedMessage(WM_DRAWITEM):
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_DESTROY:
        result = DefaultProc(message, wParam, lParam);
        m_image.Release();
        return true;
    default:
        return false;
    }
}
