// A tab page for the tests: it records what reaches it and can refuse to close or take a key.
#pragma once

#include <cstdint>
#include <vector>

#include "TestDialogIds.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CResizableDialog.h"

class CTestPageDlg : public CResizableDialog {
public:
    explicit CTestPageDlg(HWND parent = nullptr) : CResizableDialog(kLayout, IDD_TEST_PAGE, parent) {}

    std::vector<std::uint32_t> updates;
    bool allowClose = true;
    int closeChecks = 0;
    int closeNotices = 0;
    unsigned handledKey = 0;
    std::vector<unsigned> keys;

protected:
    void OnUpdate(std::uint32_t bits) override { updates.push_back(bits); }
    bool OnCloseCheck() override
    {
        ++closeChecks;
        return allowClose;
    }
    void OnCloseNotice() override { ++closeNotices; }
    bool OnKey(unsigned keyCode) override
    {
        keys.push_back(keyCode);
        return keyCode == handledKey;
    }

private:
    static constexpr std::uint32_t kLayout[] = {LayoutWord(IDC_PAGE_COMBO, kLayoutDropDownList), 0};
};
