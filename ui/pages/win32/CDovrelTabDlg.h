// The base of the main window's tab pages: a child dialog over the tab control's display
// area, zoomed with the main window, bound to a connection manager and its sensor session.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/window/win32/CResizableDialog.h"

class CDeviceCommandProcessor;
class CKivraProcessor;

class CDovrelTabDlg : public CResizableDialog {
public:
    // manager: hosts the sensor session (as made by its default constructor) and outlives the
    // page. parent: the main window (its window need not exist yet), or null for a page that a
    // test hosts itself.
    CDovrelTabDlg(const std::uint32_t* layoutTable, UINT templateId, CDeviceCommandProcessor& manager,
                  CWindow* parent);

protected:
    // The base initialisation, then the group boxes drawn without the visual style.
    bool OnInitDialog() override;

    // Attributes
    CDeviceCommandProcessor& Manager() const { return m_manager; }
    CKivraProcessor& Session() const { return m_session; }

    // Operations
    // The common edit rule: transfer from controls, then the session judges the settings.
    void StoreEdits();

private:
    CDeviceCommandProcessor& m_manager;
    CKivraProcessor& m_session;
};
