// "Additional data" page.
#include "ui/pages/win32/CAuxDataDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "ui/window/win32/CDataExchange.h"

CAuxDataDlg::CAuxDataDlg(CDeviceCommandProcessor& manager, CWindow* parent)
    : CDovrelTabDlg(nullptr, kTemplateId, manager, parent)
{
}

bool CAuxDataDlg::OnInitDialog()
{
    CDovrelTabDlg::OnInitDialog();
    m_list.SetUpColumn();
    return true;
}

void CAuxDataDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Control(IDC_AUX_VALUE_LIST, m_list);
}

void CAuxDataDlg::OnUpdate(std::uint32_t bits)
{
    if (!(bits & SessionNotify::LiveValues))
        return;
    const DisplayTexts& texts = Session().Records().displayTexts;
    m_list.Fill(texts.extraCount, texts.extraName, texts.extraValue);
}

bool CAuxDataDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const bool handled = CDovrelTabDlg::OnMessage(message, wParam, lParam, result);
    if (message == WM_SIZE && m_list.IsWindow())
        m_list.FitColumn();
    return handled;
}
