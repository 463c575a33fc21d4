// A small modal dialog for the tests: it runs a given step once it is initialised.
#pragma once

#include <functional>
#include <string>

#include "TestDialogIds.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CResizableDialog.h"

class CTestChildDlg : public CResizableDialog {
public:
    using Step = std::function<void(CTestChildDlg&)>;

    CTestChildDlg(CWindow* parent, Step onInit) : CResizableDialog(nullptr, IDD_TEST_CHILD, parent), m_onInit(std::move(onInit)) {}

    std::wstring text;
    int updates = 0;

protected:
    bool OnInitDialog() override
    {
        const bool result = CResizableDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        return result;
    }
    void DoDataExchange(CDataExchange& dx) override { dx.Text(IDC_CHILD_EDIT, text); }
    void OnUpdate(std::uint32_t) override { ++updates; }

private:
    Step m_onInit;
};
