// "Additional data" page: every live value the session has decoded, as name and value rows.
#pragma once

#include "ui/pages/win32/CDovrelTabDlg.h"
#include "ui/pages/win32/CValueListCtrl.h"
#include "ui/resources/page_ids.h"

class CAuxDataDlg : public CDovrelTabDlg {
public:
    static constexpr UINT kTemplateId = IDD_AUX_DATA_PAGE;

    CAuxDataDlg(CDeviceCommandProcessor& manager, CWindow* parent);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnInitDialog() override;
    void OnUpdate(std::uint32_t bits) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    CValueListCtrl m_list;
};
