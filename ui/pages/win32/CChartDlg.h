// "Chart" page: the connection's values over time, with the bands where the outputs fed by the
// angle should switch, a time window, pause, and the chart saved as a picture.
#pragma once

#include "remote/ManagerStates.h"
#include "ui/chart/LiveChart.h"
#include "ui/chart/win32/CChartView.h"
#include "ui/pages/win32/CDovrelTabDlg.h"
#include "ui/resources/page_ids.h"

class CChartDlg : public CDovrelTabDlg {
public:
    static constexpr UINT kTemplateId = IDD_CHART_PAGE;

    CChartDlg(CDeviceCommandProcessor& manager, CWindow* parent);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, UINT code) override;
    void OnUpdate(std::uint32_t bits) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    // The scene from the chart, the check boxes and the settings; a redraw when it shows.
    void Refresh();
    void OnPause();
    void OnSpan();
    void OnSave();

    LiveChart m_chart;
    CChartView m_view;
    ConnectionState m_connectionState = ConnectionState::None;
};
