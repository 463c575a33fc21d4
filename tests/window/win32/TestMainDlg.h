// A sizable dialog for the tests: zooming controls (one with font index 1, a drop-down
// list), data exchange of every kind, a tab control with three pages (the third hidden)
// and tooltips.
#pragma once

#include <cstdint>
#include <string>
#include <optional>
#include <utility>
#include <vector>

#include "TestDialogIds.h"
#include "TestPageDlg.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CComboBox.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CResizableDialog.h"
#include "ui/window/win32/CResizableTabCtrl.h"
#include "ui/window/win32/CToolTip.h"

class CTestMainDlg : public CResizableDialog {
public:
    CTestMainDlg() : CResizableDialog(kLayout, IDD_TEST_MAIN)
    {
        tab.AddEntry(&pages[0], IDS_TEST_TAB_FIRST, true);
        tab.AddEntry(&pages[1], IDS_TEST_TAB_SECOND, true);
        tab.AddEntry(&pages[2], IDS_TEST_TAB_THIRD, false);
    }

    static constexpr int kComboItems = 12;

    // Exchanged values.
    std::wstring text = L"initial";
    int number = 7;
    int comboIndex = -1;
    int check = 0;
    int radio = -1;
    // Shown through ShownText once set; the label keeps its template text until then.
    std::optional<std::wstring> shownLabel;

    CTestPageDlg pages[3];
    CResizableTabCtrl tab;
    CComboBox combo;
    CToolTip tips;
    std::vector<int> validationFailures;
    std::vector<unsigned> keys;
    // What reached OnCommand: control id and notice.
    std::vector<std::pair<int, UINT>> commands;
    bool allowClose = true;

protected:
    bool OnInitDialog() override
    {
        const bool result = CResizableDialog::OnInitDialog();
        for (int i = 0; i < kComboItems; ++i)
            combo.AddString(L"Item " + std::to_wstring(i));
        AddTabCtrl(tab);
        tab.InitPages();
        tips.Create(m_hWnd, [](int id) { return id == IDC_TEST_BIG; });
        return result;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (CToolTip::ToolControlId(*header) == IDC_TEST_BIG) {
                CToolTip::AnswerWithString(*header, IDS_TEST_TIP, 500, 32767);
                result = 0;
                return true;
            }
        }
        return CResizableDialog::OnMessage(message, wParam, lParam, result);
    }
    void DoDataExchange(CDataExchange& dx) override
    {
        dx.Control(IDC_TEST_COMBO, combo);
        dx.Subclass(IDC_TEST_TAB, tab);
        dx.Text(IDC_TEST_EDIT, text);
        dx.Number(IDC_TEST_NUMBER, number, 0, 999);
        dx.ComboIndex(IDC_TEST_COMBO, comboIndex);
        dx.Check(IDC_TEST_CHECK, check);
        dx.Radio(IDC_TEST_RADIO1, radio);
        if (shownLabel)
            dx.ShownText(IDC_TEST_LABEL, *shownLabel);
    }
    bool OnCommand(int id, UINT code) override
    {
        commands.emplace_back(id, code);
        return CResizableDialog::OnCommand(id, code);
    }
    void OnDataValidationFailed(int controlId) override
    {
        validationFailures.push_back(controlId);
        CResizableDialog::OnDataValidationFailed(controlId);
    }
    bool OnCloseCheck() override { return allowClose; }
    bool OnKey(unsigned keyCode) override
    {
        keys.push_back(keyCode);
        return true;
    }

private:
    static constexpr std::uint32_t kLayout[] = {LayoutWord(IDC_TEST_BIG, LayoutFont(1)),
                                                LayoutWord(IDC_TEST_COMBO, kLayoutDropDownList), 0};
};
