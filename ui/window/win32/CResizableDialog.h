// The base of every dialog and tab page of the program: it zooms its controls in
// proportion to its client size (the sizable main window also rescales the shared
// fonts), owns tab controls whose pages belong to it, passes update bits, close checks
// and keys down to its pages and to a child dialog it runs, and runs child dialogs
// modally, enlarged when the main window is zoomed. A dialog with an owner opens
// centred over it and inside the screen's work area.
//
// Layout tables (LayoutTable.h) name the controls that use a larger font or are
// drop-down lists; every other direct child control zooms with flags 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "runtime/RefCount.h"
#include "ui/window/ZoomGeometry.h"
#include "ui/window/win32/CDialog.h"
#include "ui/window/win32/CResizableCtrlHandle.h"

class CResizableTabCtrl;

class CResizableDialog : public CDialog {
public:
    // layoutTable: a zero-terminated word list that outlives the dialog, or null.
    CResizableDialog(const std::uint32_t* layoutTable, UINT templateId, HWND parent = nullptr);
    CResizableDialog(const std::uint32_t* layoutTable, UINT templateId, CWindow* parent);
    ~CResizableDialog() override;

    // Attributes
    // The first resizable dialog constructed and not yet destroyed (the main window).
    static CResizableDialog* MainDialog();
    bool IsSizable() const { return m_sizable; }
    float GetScaleX() const { return m_zoom.ScaleX(); }
    float GetScaleY() const { return m_zoom.ScaleY(); }
    CResizableDialog* GetChild() const { return m_child; }
    CResizableDialog* GetOpener() const { return m_opener; }
    // The registration of a control, null when it has none.
    const CResizableCtrlHandle* FindControl(HWND control) const;

    // Operations
    // The own update hook, then every page of every tab control, then the open child.
    void Update(std::uint32_t bits);
    // The own close check, then every page's; the first refusal is the answer.
    bool CanClose();
    // The own close notice, then every page's.
    void Close();
    // Offered to the selected page of each tab control; the first that handles it ends
    // the dispatch with true; otherwise the own key hook decides.
    bool DispatchKey(unsigned keyCode);
    // Runs a dialog modally as this one's child (it receives this one's updates while it
    // runs, and opens enlarged when the main window is zoomed).
    INT_PTR RunChildModal(CResizableDialog& dialog);
    // Makes a tab control's pages part of this dialog; call before its InitPages.
    void AddTabCtrl(CResizableTabCtrl& tabCtrl);
    // Registers a control for zooming (the layout flags of LayoutTable.h): a new one is
    // measured and given its font; a registered one with other flags is measured again
    // and given the font of its new flags, unless onlyIfAbsent.
    void RegisterControl(HWND control, std::uint32_t flags, bool onlyIfAbsent);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Registers the controls and, for a sizable dialog, rebuilds the shared fonts. A
    // derived dialog calls it first.
    bool OnInitDialog() override;

    // Overridables
    // The main window's change bits.
    virtual void OnUpdate(std::uint32_t bits);
    // May the window close? Default: yes.
    virtual bool OnCloseCheck();
    // The window is about to close.
    virtual void OnCloseNotice();
    // A key code (KeyCode.h): true when handled. Default: not handled.
    virtual bool OnKey(unsigned keyCode);

private:
    void OnSize(UINT type, int width, int height);
    // Centred over the owner (enlarged when run by a zoomed window), inside the work area.
    void PlaceOverOwner();
    void LayoutControls();

    const std::uint32_t* m_layoutTable;
    std::map<HWND, CRefPtr<CResizableCtrlHandle>> m_controls;
    RECT m_initialWindow{};
    RECT m_initialClient{};
    bool m_sizable = false;
    CZoomState m_zoom;
    std::vector<CResizableTabCtrl*> m_tabCtrls;
    CResizableDialog* m_child = nullptr;
    CResizableDialog* m_opener = nullptr;
};
