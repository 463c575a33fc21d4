// "Additional settings" page: zero angle, smoothing, the angle's working-state conditions,
// angular motion and the magnet pulse timeout.
#pragma once

#include "ui/pages/win32/CDovrelTabDlg.h"
#include "ui/resources/page_ids.h"

class CAngleParamDlg : public CDovrelTabDlg {
public:
    static constexpr UINT kTemplateId = IDD_ANGLE_PAGE;

    CAngleParamDlg(CDeviceCommandProcessor& manager, CWindow* parent);

protected:
    bool OnCommand(int id, UINT code) override;
    bool OnInitDialog() override;
    void OnUpdate(std::uint32_t bits) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void Refresh();
    // A range edit is usable unless its condition is "in other angle values".
    void EnableRange(int rangeId, int kind);
};
