// Test host of the five tab pages: a resizable dialog with a tab control of the main window's
// size, forwarding the manager's messages and timer and passing update bits on, as the main
// window does.
#pragma once

#include <windows.h>

#include "PageHostIds.h"
#include "remote/DeviceCommandProcessor.h"
#include "ui/pages/win32/CAngleParamDlg.h"
#include "ui/pages/win32/CAuxDataDlg.h"
#include "ui/pages/win32/CBinaryOutParamDlg.h"
#include "ui/pages/win32/CDigitalOutParamDlg.h"
#include "ui/pages/win32/CRuvLogDlg.h"
#include "ui/resources/resource.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CResizableDialog.h"
#include "ui/window/win32/CResizableTabCtrl.h"

class CPageHostDlg : public CResizableDialog {
public:
    static constexpr unsigned kTimerId = 1;

    explicit CPageHostDlg(CDeviceCommandProcessor& manager)
        : CResizableDialog(nullptr, IDD_PAGE_HOST),
          manager(manager),
          rs485(manager, this),
          outputs(manager, this),
          angle(manager, this),
          aux(manager, this),
          log(manager, this)
    {
        tab.AddEntry(&rs485, IDS_TAB_RS485, true);
        tab.AddEntry(&outputs, IDS_TAB_OUTPUTS, true);
        tab.AddEntry(&angle, IDS_TAB_ANGLE, true);
        tab.AddEntry(&aux, IDS_TAB_AUX_DATA, true);
        tab.AddEntry(&log, IDS_TAB_LOG, true);
    }

    static UINT ConnNotify() { return RegisterWindowMessageW(L"Conn notify"); }
    static UINT UpdtNotify() { return RegisterWindowMessageW(L"Updt notify"); }

    CDeviceCommandProcessor& manager;
    CResizableTabCtrl tab;
    CDigitalOutParamDlg rs485;
    CBinaryOutParamDlg outputs;
    CAngleParamDlg angle;
    CAuxDataDlg aux;
    CRuvLogDlg log;

protected:
    bool OnInitDialog() override
    {
        CResizableDialog::OnInitDialog();
        AddTabCtrl(tab);
        tab.InitPages();
        return true;
    }
    void DoDataExchange(CDataExchange& dx) override { dx.Subclass(IDC_PAGE_HOST_TAB, tab); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == ConnNotify() || message == WM_TIMER) {
            manager.OnWindowMessage(message, wParam, lParam);
            result = 0;
            return true;
        }
        if (message == UpdtNotify()) {
            Update(std::uint32_t(wParam));
            result = 0;
            return true;
        }
        return CResizableDialog::OnMessage(message, wParam, lParam, result);
    }
};
