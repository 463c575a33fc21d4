// "Chart" page.
#include "ui/pages/win32/CChartDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/ProcessClock.h"
#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"
#include "ui/chart/AngleBands.h"
#include "ui/chart/PointerReadout.h"
#include "ui/chart/win32/ChartPng.h"
#include "ui/resources/chart_ids.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CButton.h"
#include "ui/window/win32/CComboBox.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CResizableFontSet.h"
#include "ui/window/win32/FileDialog.h"

namespace {

const std::uint32_t kLayout[] = {
    LayoutWord(IDC_CHART_SPAN, kLayoutDropDownList),
    0,
};

bool IsBoxChecked(const CWindow& page, int id) { return CButton(page.GetDlgItem(id)).IsChecked(); }

}  // namespace

CChartDlg::CChartDlg(CDeviceCommandProcessor& manager, CWindow* parent)
    : CDovrelTabDlg(kLayout, kTemplateId, manager, parent)
{
}

bool CChartDlg::OnInitDialog()
{
    CDovrelTabDlg::OnInitDialog();
    const CComboBox spans(GetDlgItem(IDC_CHART_SPAN));
    for (std::int64_t span : kWindowSpans)
        spans.AddString(LoadResourceText(IDS_CHART_SPAN_MINUTES, {std::to_wstring(span / kMinuteMs)}));
    spans.SetCurSel(0);
    CButton(GetDlgItem(IDC_CHART_LLS1)).SetCheck(BST_CHECKED);
    CButton(GetDlgItem(IDC_CHART_LLS2)).SetCheck(BST_CHECKED);
    m_view.Scene().samples = &m_chart.Samples();
    Refresh();
    return true;
}

void CChartDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Subclass(IDC_CHART_VIEW, m_view);
}

void CChartDlg::OnUpdate(std::uint32_t bits)
{
    // A new connection starts a new chart; the old one stays on the page until then.
    const ConnectionState state = Manager().GetConnectionState();
    if (m_connectionState == ConnectionState::None && state != ConnectionState::None)
        m_chart.Restart();
    m_connectionState = state;
    // Values are taken whether the page is shown or not; only drawing waits for it.
    if (bits & SessionNotify::LiveValues) {
        const SensorRecords& records = Session().Records();
        m_chart.Take(records.live, records.displayTexts, NowMilliseconds(), records.identificationTexts.magnetDetectors);
    }
    if (bits & (SessionNotify::LiveValues | SessionNotify::Settings | SessionNotify::Status | ChangeBits::State))
        Refresh();
}

void CChartDlg::Refresh()
{
    ChartScene& scene = m_view.Scene();
    const SensorRecords& records = Session().Records();
    scene.visible = m_chart.Window().Visible(m_chart.Extent());
    scene.bands = ChartAngleBands(DecodeSettings(records.settings).outputs, records.settingsTexts.outputs);
    scene.zoom = CResizableFontSet::Instance().GetScale();
    // The angle and temperature always; the others as the boxes say.
    scene.shown = {SeriesId{SeriesKind::Angle, 0}, SeriesId{SeriesKind::Temperature, 0}};
    if (IsBoxChecked(*this, IDC_CHART_LLS1))
        scene.shown.push_back(SeriesId{SeriesKind::Lls1, 0});
    if (IsBoxChecked(*this, IDC_CHART_LLS2))
        scene.shown.push_back(SeriesId{SeriesKind::Lls2, 0});
    const SampleStore& samples = m_chart.Samples();
    if (IsBoxChecked(*this, IDC_CHART_EXTRAS))
        for (std::size_t s = 0; s < samples.SeriesCount(); ++s)
            if (samples.SeriesAt(s).kind == SeriesKind::Extra)
                scene.shown.push_back(samples.SeriesAt(s));
    for (SeriesKind kind : {SeriesKind::Output1, SeriesKind::Output2, SeriesKind::Magnet1, SeriesKind::Magnet2})
        scene.shown.push_back(SeriesId{kind, 0});
    if (!::IsWindowVisible(m_hWnd))
        return;
    // The newest values as text too, while values keep coming, paused or not.
    if (samples.Size() > 0)
        m_view.SetWindowText(SampleText(samples, samples.Size() - 1, scene.shown));
    m_view.Redraw();
}

void CChartDlg::OnPause()
{
    TimeWindow& window = m_chart.Window();
    if (window.Following())
        window.Hold(m_chart.Extent());
    else
        window.Follow();
    CWindow(GetDlgItem(IDC_CHART_PAUSE))
        .SetWindowText(LoadResourceText(window.Following() ? IDS_CHART_PAUSE : IDS_CHART_RESUME));
    Refresh();
}

void CChartDlg::OnSpan()
{
    const int chosen = CComboBox(GetDlgItem(IDC_CHART_SPAN)).GetCurSel();
    if (chosen < 0 || chosen >= int(std::size(kWindowSpans)))
        return;
    m_chart.Window().SetSpan(kWindowSpans[chosen], m_chart.Extent());
    Refresh();
}

void CChartDlg::OnSave()
{
    const FileKind kind{LoadResourceText(IDS_CHART_PICTURE_FILTER), L"*.png", L"png"};
    const std::wstring path = ChooseFileToSave(m_hWnd, kind, std::wstring(), OFN_OVERWRITEPROMPT);
    if (path.empty())
        return;
    // What is shown, as large as it is shown, without the pointer's readout.
    ChartScene scene = m_view.Scene();
    scene.pointer.reset();
    const SIZE size = m_view.ClientSize();
    if (const std::uint32_t failure = SaveChartPng(path, scene, LayoutSize{int(size.cx), int(size.cy)})) {
        const std::wstring text = LoadResourceText(IDS_CHART_CANNOT_SAVE, {path, SystemReasonText(failure)});
        MessageBox(text.c_str(), CWindow(::GetAncestor(m_hWnd, GA_ROOT)).GetWindowText().c_str(), MB_OK | MB_ICONERROR);
    }
}

bool CChartDlg::OnCommand(int id, UINT code)
{
    if (id == IDC_CHART_SPAN && code == CBN_SELCHANGE) {
        OnSpan();
        return true;
    }
    if (code != BN_CLICKED)
        return CDovrelTabDlg::OnCommand(id, code);
    switch (id) {
    case IDC_CHART_PAUSE:
        OnPause();
        return true;
    case IDC_CHART_SAVE:
        OnSave();
        return true;
    case IDC_CHART_LLS1:
    case IDC_CHART_LLS2:
    case IDC_CHART_EXTRAS:
        Refresh();
        return true;
    default:
        return CDovrelTabDlg::OnCommand(id, code);
    }
}

bool CChartDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const bool handled = CDovrelTabDlg::OnMessage(message, wParam, lParam, result);
    // Shown again: drawn with what came in while hidden.
    if (message == WM_SHOWWINDOW && wParam)
        Refresh();
    return handled;
}
