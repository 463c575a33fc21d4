// "Discrete outputs" page.
#include "ui/pages/win32/CBinaryOutParamDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SensorModel.h"
#include "protocol/SessionOwner.h"
#include "ui/pages/OutputConditionMask.h"
#include "ui/pages/win32/PageLists.h"
#include "ui/resources/image_ids.h"
#include "ui/resources/resource.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CDataExchange.h"

namespace {

const std::uint32_t kLayout[] = {
    LayoutWord(IDC_OUT1_SOURCE, kLayoutDropDownList),
    LayoutWord(IDC_OUT2_SOURCE, kLayoutDropDownList),
    LayoutWord(IDC_OUT1_ACTIVE_KIND, kLayoutDropDownList),
    LayoutWord(IDC_OUT1_INACTIVE_KIND, kLayoutDropDownList),
    LayoutWord(IDC_OUT2_ACTIVE_KIND, kLayoutDropDownList),
    LayoutWord(IDC_OUT2_INACTIVE_KIND, kLayoutDropDownList),
    0,
};

const ConditionKindNames kKindNames = {IDS_VALUE_COND_OTHER, IDS_VALUE_COND_IN_RANGE, IDS_VALUE_COND_OUT_OF_RANGE};

// The open-collector explanation: wide, and shown until the pointer leaves.
constexpr int kTipWidth = 500;
constexpr int kTipShowMs = 32767;

bool IsInfoMarker(int id)
{
    return id >= IDC_OUTPUTS_INFO_FIRST && id <= IDC_OUTPUTS_INFO_LAST;
}

bool IsRangeEdit(int id)
{
    return id == IDC_OUT1_ACTIVE_RANGE || id == IDC_OUT1_INACTIVE_RANGE || id == IDC_OUT2_ACTIVE_RANGE ||
           id == IDC_OUT2_INACTIVE_RANGE;
}

// Edits and lists whose every change is an edit of the settings followed by the enable rule.
bool IsEditedBy(int id, UINT code)
{
    switch (code) {
    case BN_CLICKED:
        return id == IDC_OUT1_FREQUENCY;
    case CBN_SELCHANGE:
        return id == IDC_OUT1_SOURCE || id == IDC_OUT1_ACTIVE_KIND || id == IDC_OUT1_INACTIVE_KIND ||
               id == IDC_OUT2_SOURCE || id == IDC_OUT2_ACTIVE_KIND || id == IDC_OUT2_INACTIVE_KIND;
    case EN_CHANGE:
        return IsRangeEdit(id) || id == IDC_OUT1_ACTIVE_DELAY || id == IDC_OUT1_INACTIVE_DELAY ||
               id == IDC_OUT2_ACTIVE_DELAY || id == IDC_OUT2_INACTIVE_DELAY;
    default:
        return false;
    }
}

} // namespace

CBinaryOutParamDlg::CBinaryOutParamDlg(CDeviceCommandProcessor& manager, CWindow* parent)
    : CDovrelTabDlg(kLayout, kTemplateId, manager, parent),
      m_infoActive1(IDP_HELP_MARKER),
      m_infoInactive1(IDP_HELP_MARKER),
      m_infoActive2(IDP_HELP_MARKER),
      m_infoInactive2(IDP_HELP_MARKER)
{
}

bool CBinaryOutParamDlg::OnInitDialog()
{
    CDovrelTabDlg::OnInitDialog();
    m_toolTip.Create(m_hWnd, IsInfoMarker);
    for (int id : {IDC_OUT1_ACTIVE_KIND, IDC_OUT1_INACTIVE_KIND, IDC_OUT2_ACTIVE_KIND, IDC_OUT2_INACTIVE_KIND})
        FillConditionKinds(CComboBox(GetDlgItem(id)), kKindNames);
    Refresh();
    return true;
}

void CBinaryOutParamDlg::OnUpdate(std::uint32_t bits)
{
    if (bits & SessionNotify::Settings)
        Refresh();
}

void CBinaryOutParamDlg::Refresh()
{
    const std::uint32_t version = Session().Records().identification.firmwareVersion;
    const unsigned count = ValueCodeListCount(version);
    const bool first = RebuildValueSourceList(CComboBox(GetDlgItem(IDC_OUT1_SOURCE)), count);
    const bool second = RebuildValueSourceList(CComboBox(GetDlgItem(IDC_OUT2_SOURCE)), count);
    if (first || second)
        CWindow(GetDlgItem(IDC_OUT1_FREQUENCY)).EnableWindow(HasFrequencyMode(version));
    UpdateData(false);
    ApplyEnableRule();
}

void CBinaryOutParamDlg::ApplyEnableRule()
{
    const SensorRecords& records = Session().Records();
    for (int output = 0; output < 2; ++output) {
        const OutputTexts& texts = records.settingsTexts.outputs[output];
        const unsigned mask = OutputConditionMask(texts, output, records.identification.firmwareVersion);
        for (unsigned bit = 0; bit < kOutputConditionControls; ++bit)
            CWindow(GetDlgItem(kOutputConditionIds[output][bit])).EnableWindow((mask >> bit) & 1);
    }
}

void CBinaryOutParamDlg::NormaliseRanges()
{
    UpdateData(true);
    SensorRecords& records = Session().Records();
    const SettingsTexts before = records.settingsTexts;
    records.NormaliseRangeTexts();
    UpdateData(false);
    // The filling hid the rewritten edits' change notices, so judge the new texts here.
    bool rewritten = false;
    for (int output = 0; output < 2; ++output) {
        const ConditionTexts& was = before.outputs[output].conditions;
        const ConditionTexts& now = records.settingsTexts.outputs[output].conditions;
        rewritten = rewritten || was.active.range != now.active.range || was.inactive.range != now.inactive.range;
    }
    if (rewritten)
        Session().EvaluateSettings();
}

void CBinaryOutParamDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Subclass(IDC_OUT1_ACTIVE_INFO, m_infoActive1);
    dx.Subclass(IDC_OUT1_INACTIVE_INFO, m_infoInactive1);
    dx.Subclass(IDC_OUT2_ACTIVE_INFO, m_infoActive2);
    dx.Subclass(IDC_OUT2_INACTIVE_INFO, m_infoInactive2);
    OutputTexts* outputs = Session().Records().settingsTexts.outputs;
    dx.Check(IDC_OUT1_FREQUENCY, outputs[0].frequencyMode);
    dx.ComboIndex(IDC_OUT1_SOURCE, outputs[0].valueCode);
    dx.ComboIndex(IDC_OUT1_ACTIVE_KIND, outputs[0].conditions.active.kind);
    dx.Text(IDC_OUT1_ACTIVE_RANGE, outputs[0].conditions.active.range);
    dx.Text(IDC_OUT1_ACTIVE_DELAY, outputs[0].conditions.active.delay);
    dx.ComboIndex(IDC_OUT1_INACTIVE_KIND, outputs[0].conditions.inactive.kind);
    dx.Text(IDC_OUT1_INACTIVE_RANGE, outputs[0].conditions.inactive.range);
    dx.Text(IDC_OUT1_INACTIVE_DELAY, outputs[0].conditions.inactive.delay);
    dx.ComboIndex(IDC_OUT2_SOURCE, outputs[1].valueCode);
    dx.ComboIndex(IDC_OUT2_ACTIVE_KIND, outputs[1].conditions.active.kind);
    dx.Text(IDC_OUT2_ACTIVE_RANGE, outputs[1].conditions.active.range);
    dx.Text(IDC_OUT2_ACTIVE_DELAY, outputs[1].conditions.active.delay);
    dx.ComboIndex(IDC_OUT2_INACTIVE_KIND, outputs[1].conditions.inactive.kind);
    dx.Text(IDC_OUT2_INACTIVE_RANGE, outputs[1].conditions.inactive.range);
    dx.Text(IDC_OUT2_INACTIVE_DELAY, outputs[1].conditions.inactive.delay);
}

bool CBinaryOutParamDlg::OnCommand(int id, UINT code)
{
    if (IsEditedBy(id, code)) {
        StoreEdits();
        ApplyEnableRule();
        return true;
    }
    if (code == EN_KILLFOCUS && IsRangeEdit(id)) {
        NormaliseRanges();
        return true;
    }
    return CDovrelTabDlg::OnCommand(id, code);
}

bool CBinaryOutParamDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_NOTIFY) {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        const int tool = CToolTip::ToolControlId(header);
        if (IsInfoMarker(tool)) {
            CToolTip::AnswerWithString(header, IDS_OUTPUT_OPEN_COLLECTOR, kTipWidth, kTipShowMs);
            result = 0;
            return true;
        }
    }
    return CDovrelTabDlg::OnMessage(message, wParam, lParam, result);
}
