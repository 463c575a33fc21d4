// "Discrete outputs" page: source, frequency mode and the two conditions of each output.
#pragma once

#include "ui/pages/win32/CDovrelTabDlg.h"
#include "ui/resources/page_ids.h"
#include "ui/window/win32/CPNGButton.h"
#include "ui/window/win32/CToolTip.h"

class CBinaryOutParamDlg : public CDovrelTabDlg {
public:
    static constexpr UINT kTemplateId = IDD_OUTPUTS_PAGE;

    // The info markers decode their picture here, so GDI+ must be running.
    CBinaryOutParamDlg(CDeviceCommandProcessor& manager, CWindow* parent);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, UINT code) override;
    bool OnInitDialog() override;
    void OnUpdate(std::uint32_t bits) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    // Source lists rebuilt when the firmware version calls for another length, then the
    // controls filled and enabled.
    void Refresh();
    // Greys what an output's settings make meaningless.
    void ApplyEnableRule();
    // A lone number in a range edit becomes "n..n" when the edit loses the focus.
    void NormaliseRanges();

    CToolTip m_toolTip;
    // The open-collector markers beside each condition label.
    CPNGButton m_infoActive1;
    CPNGButton m_infoInactive1;
    CPNGButton m_infoActive2;
    CPNGButton m_infoInactive2;
};
