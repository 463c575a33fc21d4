// What a zooming dialog remembers of one of its controls: where it was at
// registration, its layout flags, the dropped-list metrics of a drop-down list, and
// the font it was last given.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/RefCount.h"
#include "ui/window/DropDownMetrics.h"
#include "ui/window/LayoutRect.h"
#include "ui/window/win32/CResizableFont.h"

class CResizableCtrlHandle : public CRefCount {
public:
    explicit CResizableCtrlHandle(HWND control) : m_control(control) {}

    // Attributes
    HWND GetControl() const { return m_control; }
    std::uint32_t GetFlags() const { return m_flags; }
    const LayoutRect& GetRegisteredRect() const { return m_registered; }
    const DropDownMetrics& GetDropDown() const { return m_dropDown; }

    // Operations
    // Takes the control's place (in the dialog's client coordinates) and, for a drop-down
    // list, its dropped-list metrics, under the given flags.
    void Measure(HWND dialog, std::uint32_t flags);
    // Gives the control the font, unless it shows it already (WM_SETFONT with redraw).
    void GiveFont(CResizableFont* font);
    // Places the control for the dialog's scales (after its font is given).
    void Layout(float scaleX, float scaleY) const;

private:
    HWND m_control;
    std::uint32_t m_flags = 0;
    LayoutRect m_registered;
    DropDownMetrics m_dropDown;
    CRefPtr<CResizableFont> m_font;
};
