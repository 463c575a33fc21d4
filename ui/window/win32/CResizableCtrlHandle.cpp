// Registration and layout of one zooming control.
#include "ui/window/win32/CResizableCtrlHandle.h"

#include "ui/window/LayoutTable.h"
#include "ui/window/ZoomGeometry.h"
#include "ui/window/win32/CComboBox.h"

void CResizableCtrlHandle::Measure(HWND dialog, std::uint32_t flags)
{
    m_flags = flags;
    const RECT r = CWindow(m_control).GetWindowRectIn(dialog);
    m_registered = {r.left, r.top, r.right, r.bottom};
    m_dropDown = {};
    if (IsDropDownList(flags)) {
        const CComboBox combo(m_control);
        const RECT dropped = combo.GetDroppedControlRect();
        m_dropDown = MeasureDropDown(dropped.bottom - dropped.top, combo.GetItemHeight(-1), combo.GetItemHeight(0));
    }
}

void CResizableCtrlHandle::GiveFont(CResizableFont* font)
{
    if (!font || font == m_font.Get())
        return;
    m_font = CRefPtr<CResizableFont>(font);
    CWindow(m_control).SetFont(font->GetHandle(), true);
}

void CResizableCtrlHandle::Layout(float scaleX, float scaleY) const
{
    const LayoutRect r = ScaleLayoutRect(m_registered, scaleX, scaleY);
    const UINT flags = SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE;
    const CWindow control(m_control);
    if (IsDropDownList(m_flags)) {
        const CComboBox combo(m_control);
        const int height = DropDownHeight(m_dropDown, combo.GetItemHeight(-1), combo.GetItemHeight(0));
        control.SetWindowPos(nullptr, r.left, r.top, r.Width(), height, flags);
    } else {
        control.SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), flags);
    }
}
