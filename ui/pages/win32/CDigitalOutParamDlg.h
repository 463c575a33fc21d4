// "RS-485 protocol" page: the sources of the two LLS parameters and the unsolicited output.
#pragma once

#include "ui/pages/win32/CDovrelTabDlg.h"
#include "ui/resources/page_ids.h"

class CDigitalOutParamDlg : public CDovrelTabDlg {
public:
    static constexpr UINT kTemplateId = IDD_RS485_PAGE;

    CDigitalOutParamDlg(CDeviceCommandProcessor& manager, CWindow* parent);

protected:
    bool OnCommand(int id, UINT code) override;
    bool OnInitDialog() override;
    void OnUpdate(std::uint32_t bits) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void Refresh();
};
