// The serial connection dialog ("Modify..."): the COM port and baud rate of a direct link.
#include "ui/dialogs/win32/CSerialDlg.h"

#include "ui/app/BaudRates.h"
#include "ui/app/win32/SystemComPorts.h"
#include "ui/resources/dialog_ids.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CDataExchange.h"

const std::uint32_t CSerialDlg::kLayout[] = {LayoutWord(IDC_SERIAL_PORT, kLayoutDropDownList),
                                             LayoutWord(IDC_SERIAL_BAUD, kLayoutDropDownList), 0};

CSerialDlg::CSerialDlg(HWND parent) : CResizableDialog(kLayout, IDD_SERIAL_DLG, parent)
{
    TheComPorts().Invalidate();
}

void CSerialDlg::Preset(const std::wstring& portName, uint32_t baudRate)
{
    m_selection = PresetSerialSelection(TheComPorts().Entries(), portName, baudRate);
}

bool CSerialDlg::ReadBack(std::wstring& portName, uint32_t& baudRate) const
{
    return ReadBackSerialSelection(TheComPorts().Entries(), m_selection, portName, baudRate);
}

bool CSerialDlg::OnInitDialog()
{
    const bool focusDefault = CResizableDialog::OnInitDialog();
    m_ports.ResetContent();
    m_baudRates.ResetContent();
    for (const ComPortEntry& port : TheComPorts().Entries())
        m_ports.AddString(ComPortListText(port));
    for (uint32_t rate : kBaudRates)
        m_baudRates.AddString(std::to_wstring(rate));
    UpdateData(false);
    ApplyOkRule();
    return focusDefault;
}

bool CSerialDlg::OnCommand(int id, UINT code)
{
    if ((id == IDC_SERIAL_PORT || id == IDC_SERIAL_BAUD) && code == CBN_SELCHANGE) {
        ApplyOkRule();
        return true;
    }
    return CResizableDialog::OnCommand(id, code);
}

void CSerialDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_SERIAL_PORT, m_ports);
    dx.Control(IDC_SERIAL_BAUD, m_baudRates);
    dx.ComboIndex(IDC_SERIAL_PORT, m_selection.portIndex);
    dx.ComboIndex(IDC_SERIAL_BAUD, m_selection.baudIndex);
}

void CSerialDlg::ApplyOkRule()
{
    UpdateData(true);
    CWindow(GetDlgItem(IDOK)).EnableWindow(m_selection.IsComplete());
}
