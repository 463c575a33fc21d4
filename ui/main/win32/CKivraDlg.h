// The main window: connection block, identification and live values with the inclination
// gauge, the five tab pages, the command buttons and the status line. It holds no sensor data:
// every value is read from the session of the one connection manager when the manager's posted
// change bits name it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ui/app/ManagerMessageRouter.h"
#include "ui/main/DeferredPrompt.h"
#include "ui/main/MainButtonStates.h"
#include "ui/pages/win32/CAngleParamDlg.h"
#include "ui/pages/win32/CAuxDataDlg.h"
#include "ui/pages/win32/CBinaryOutParamDlg.h"
#include "ui/pages/win32/CChartDlg.h"
#include "ui/pages/win32/CDigitalOutParamDlg.h"
#include "ui/pages/win32/CRuvLogDlg.h"
#include "ui/window/win32/CInclinationCtrl.h"
#include "ui/window/win32/CPNGButton.h"
#include "ui/window/win32/CProgressBarCtrl.h"
#include "ui/window/win32/CResizableDialog.h"
#include "ui/window/win32/CResizableTabCtrl.h"
#include "ui/window/win32/CToolTip.h"

class CDeviceCommandProcessor;
class CKivraProcessor;

class CKivraDlg : public CResizableDialog {
public:
    // The manager outlives the window.
    explicit CKivraDlg(CDeviceCommandProcessor& manager);
    ~CKivraDlg() override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, UINT code) override;
    bool OnInitDialog() override;
    // Enter does nothing; the window closes only by its cancel path.
    void OnOK() override;
    void OnCancel() override;
    // Session to controls only: the window has no values of its own to save.
    void DoDataExchange(CDataExchange& dx) override;
    void OnUpdate(std::uint32_t bits) override;
    bool OnCloseCheck() override;
    bool OnKey(unsigned keyCode) override;

private:
    CKivraProcessor& Session() const;
    bool IsConnectionActive() const;

    MainButtonStates ButtonStates() const;
    void RefreshButtons();
    void KeepKeyboardFocus(const MainButtonStates& states);
    void RefreshMagnets();
    void RefreshStatusLine();
    void RefreshGauge();
    void SelectSessionAddress();
    void ShowOutputOneMode();
    void FitIntoWorkArea();

    void Connect();
    void Disconnect();
    void ModifyConnection();
    void SelectAddress();
    void NetworkSetup();
    void ZeroSetup();
    void FirmwareUpdate();
    void AddProfileMenuItems();
    bool OnSystemCommand(WPARAM command);
    void ExportSettings();
    void ImportSettings();
    void OpenIpDialog();
    void ToggleLogTab();

    bool OnNotify(NMHDR& header, LRESULT& result);
    bool PaintMinimised();
    // A connection that dropped by itself is told with its reason once the update pass is over.
    void TellLostConnection(std::uint32_t bits);
    void ShowMessage(const std::wstring& text, UINT type);
    int Ask(unsigned stringId);

    CDeviceCommandProcessor& m_manager;
    CManagerMessageRouter m_router;
    CDeferredPrompt m_prompt;
    CToolTip m_toolTip;

    CPNGButton m_logo;
    std::wstring m_connectionParameters;
    CInclinationCtrl m_gauge;
    CResizableTabCtrl m_tabs;
    int m_addressIndex = 0;
    CProgressBarCtrl m_firmwareProgress;
    HICON m_icon = nullptr;
    CPNGButton m_output2Info;
    CPNGButton m_output1Info;
    CAngleParamDlg m_anglePage;
    CDigitalOutParamDlg m_rs485Page;
    CBinaryOutParamDlg m_outputsPage;
    CAuxDataDlg m_auxDataPage;
    CChartDlg m_chartPage;
    CRuvLogDlg m_logPage;
    // Where the zero setup and Ctrl+F12 find their pages in the tab control.
    int m_angleEntry = -1;
    int m_logEntry = -1;
    // What the gauge window was last given, so that an unchanged value costs it no messages;
    // a gauge window made anew is given everything again.
    HWND m_gaugeWindow = nullptr;
    std::optional<int> m_gaugeDegrees;
    std::optional<std::wstring> m_gaugeText;
};
