// The base of the main window's tab pages: a child dialog over the tab control's display
// area, zoomed with the main window, bound to the sensor session of the one connection manager.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/window/win32/CResizableDialog.h"

class CDeviceCommandProcessor;
class CKivraProcessor;

class CDovrelTabDlg : public CResizableDialog {
public:
    // parent: the main window (its window need not exist yet), or null for a page that a
    // test hosts itself.
    CDovrelTabDlg(const std::uint32_t* layoutTable, UINT templateId, CWindow* parent);

protected:
    // The base initialisation, then the group boxes drawn without the visual style.
    bool OnInitDialog() override;

    // Attributes
    // The one manager and its sensor session; null when there is none (every page then
    // shows its template as it stands and does nothing).
    static CDeviceCommandProcessor* Manager();
    static CKivraProcessor* Session();
    // True while the page fills its controls: an edit announces the new text as a change,
    // which must not be taken for the person's edit (storing the half-filled page back).
    bool IsFilling() const { return m_filling; }

    // Operations
    // Transfer to controls, with change notifications of the filling ignored.
    void FillControls();
    // The common edit rule: transfer from controls, then the session judges the settings.
    void StoreEdits();

private:
    bool m_filling = false;
};
