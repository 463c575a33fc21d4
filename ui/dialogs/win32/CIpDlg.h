// The IP connection dialog (Ctrl+F4): a remote link through the relay server and an on-board terminal.
#pragma once

#include "ui/window/win32/CComboBox.h"
#include "ui/window/win32/CResizableDialog.h"

#include <cstdint>
#include <string>

class CDeviceCommandProcessor;
class CKivraProcessor;

class CIpDlg : public CResizableDialog
{
public:
    // Takes the terminal id, port and baud rate from the connection manager and its sensor
    // session; the manager outlives the dialog.
    explicit CIpDlg(CDeviceCommandProcessor& manager, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, UINT code) override;
    void DoDataExchange(CDataExchange& dx) override;
    // "Connect": the dialog stays open and follows the connection in its status line.
    void OnOK() override;
    // Closes a half-open connection; a transparent one stays.
    void OnCancel() override;
    void OnUpdate(std::uint32_t bits) override;

private:
    // "Connect" only without a channel and with a server, a terminal id above 0, a port and a rate.
    void ApplyConnectRule();

    static const std::uint32_t kLayout[];
    CDeviceCommandProcessor& m_manager;
    CKivraProcessor& m_session;
    std::wstring m_status;
    std::wstring m_terminalId;
    int m_terminalPortIndex = -1;
    int m_baudIndex = -1;
    bool m_connectIssued = false;
    CComboBox m_terminalPorts;
    CComboBox m_baudRates;
};
