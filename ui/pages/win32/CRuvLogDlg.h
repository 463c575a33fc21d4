// "Log" page: the communication trace and the service functions (diagnostics, test command,
// fast polling, data logging).
#pragma once

#include "ui/pages/win32/CDovrelTabDlg.h"
#include "ui/resources/page_ids.h"

class CRuvLogDlg : public CDovrelTabDlg {
public:
    static constexpr UINT kTemplateId = IDD_LOG_PAGE;
    // The most characters the trace box holds; the oldest lines make room for new ones.
    static constexpr int kTraceCapacity = 100000;

    CRuvLogDlg(CDeviceCommandProcessor& manager, CWindow* parent);

protected:
    bool OnCommand(int id, UINT code) override;
    bool OnInitDialog() override;
    void OnUpdate(std::uint32_t bits) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void AppendTrace();
    void ShowDataLogState();
    // "Save data" as the session holds its log, and the file the rows go to.
    void ShowDataLogFile();
    void ShowSessionAbilities();
    void OnFastPolling();
    void OnDataLog();
    void OnTest();
};
