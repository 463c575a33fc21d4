// The network address dialog ("Network setup.."): the sensor's address, its common and secondary
// address flags and, in service mode, its serial number.
#pragma once

#include "ui/window/win32/CResizableDialog.h"

#include <cstdint>
#include <string>

class CKivraProcessor;

class CNetAddrDlg : public CResizableDialog
{
public:
    // Takes the session's texts; Ctrl, Alt and Shift held down now give service mode. The
    // session outlives the dialog.
    explicit CNetAddrDlg(CKivraProcessor& session, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, UINT code) override;
    void DoDataExchange(CDataExchange& dx) override;
    // The settings read while the dialog is open fill it, as long as nothing was edited.
    void OnUpdate(std::uint32_t bits) override;

private:
    // Undoes a keystroke that makes a text no number; enables "Write" for a writable address.
    void ApplyValidationRule();
    // Hands the texts and flags to the session and has it write them.
    void Write();
    // The members from the session's texts.
    void TakeSessionTexts();
    // Whether the session holds the sensor's settings block.
    bool SettingsHeld() const;

    CKivraProcessor& m_session;
    std::wstring m_address;
    bool m_secondaryEnabled;
    int m_useCommon;
    int m_useSecondary;
    bool m_serviceMode;
    std::wstring m_serialNumber;
    bool m_edited = false;
    bool m_settingsHeld = false;
};
