// An owner-drawn button showing a PNG picture of the program's resources.
#include "ui/window/win32/CPNGButton.h"

#include "ui/window/PngFit.h"

CPNGButton::CPNGButton(int pngResourceId) { m_image.Load(::GetModuleHandleW(nullptr), pngResourceId); }

void CPNGButton::DrawItem(const DRAWITEMSTRUCT& item) const
{
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_image.HasImage())
        return;
    const FitRect box{item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
                      item.rcItem.bottom - item.rcItem.top};
    const FitDpi dpi{::GetDeviceCaps(item.hDC, LOGPIXELSX), ::GetDeviceCaps(item.hDC, LOGPIXELSY)};
    const FitRect fit = PngFit(box, dpi, m_image.GetWidth(), m_image.GetHeight());
    if (fit.width <= 0 || fit.height <= 0)
        return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Gdiplus::DllExports::GdipCreateFromHDC(item.hDC, &graphics) != Gdiplus::Ok)
        return;
    Gdiplus::DllExports::GdipDrawImageRectI(graphics, m_image.GetBitmap(), fit.left, fit.top, fit.width, fit.height);
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
