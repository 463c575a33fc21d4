// The serial connection dialog ("Modify..."): the COM port and baud rate of a direct link.
#pragma once

#include "ui/dialogs/SerialSelection.h"
#include "ui/window/win32/CComboBox.h"
#include "ui/window/win32/CResizableDialog.h"

#include <cstdint>
#include <string>

class CSerialDlg : public CResizableDialog
{
public:
    // Makes the port list be built afresh, so that an adapter plugged in since shows up.
    explicit CSerialDlg(HWND parent = nullptr);

    // Selects the port and rate (a port no longer listed: the first port; another rate: the first rate).
    void Preset(const std::wstring& portName, uint32_t baudRate);
    // After OK: the chosen port and rate; false, and both unchanged, without a complete choice.
    bool ReadBack(std::wstring& portName, uint32_t& baudRate) const;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, UINT code) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    // OK only with a port and a rate selected.
    void ApplyOkRule();

    static const std::uint32_t kLayout[];
    SerialSelection m_selection;
    CComboBox m_ports;
    CComboBox m_baudRates;
};
