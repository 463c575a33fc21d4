// An owner-drawn button showing a PNG picture of the program's resources,
// scaled to fit and centred on the button face. Without a picture (missing,
// empty or undecodable resource) it shows the plain face and keeps the reason.
#pragma once

#include "ui/window/win32/CButton.h"
#include "ui/window/win32/CSubclassedCtrl.h"
#include "ui/window/win32/PngImage.h"

class CPNGButton : public CSubclassedCtrl<CButton> {
public:
    // Decodes the picture at once, so GDI+ must already be running; the
    // template's button must carry BS_OWNERDRAW.
    explicit CPNGButton(int pngResourceId);

    // Attributes
    bool HasImage() const { return m_image.HasImage(); }
    // The system error code of the failed load, 0 when the picture loaded.
    DWORD GetLoadError() const { return m_image.GetLoadError(); }

    // Operations
    void DrawItem(const DRAWITEMSTRUCT& item) const;

protected:
    // Overridables
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CPngImage m_image;
};
