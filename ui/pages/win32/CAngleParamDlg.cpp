// "Additional settings" page.
#include "ui/pages/win32/CAngleParamDlg.h"

#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "ui/pages/win32/PageLists.h"
#include "ui/resources/resource.h"
#include "ui/window/LayoutTable.h"
#include "ui/window/win32/CDataExchange.h"

namespace {

const std::uint32_t kLayout[] = {
    LayoutWord(IDC_ANGLE_WORKING_KIND, kLayoutDropDownList),
    LayoutWord(IDC_ANGLE_IDLE_KIND, kLayoutDropDownList),
    0,
};

const ConditionKindNames kKindNames = {IDS_ANGLE_COND_OTHER, IDS_ANGLE_COND_IN_RANGE, IDS_ANGLE_COND_OUT_OF_RANGE};

bool IsEditedText(int id)
{
    switch (id) {
    case IDC_ANGLE_APPROX_INTERVAL:
    case IDC_ANGLE_WORKING_RANGE:
    case IDC_ANGLE_WORKING_DELAY:
    case IDC_ANGLE_IDLE_RANGE:
    case IDC_ANGLE_IDLE_DELAY:
    case IDC_ANGLE_THRESHOLD:
    case IDC_ANGLE_MOTION_TIMEOUT:
    case IDC_ANGLE_PULSE_TIMEOUT:
        return true;
    default:
        return false;
    }
}

} // namespace

CAngleParamDlg::CAngleParamDlg(CDeviceCommandProcessor& manager, CWindow* parent)
    : CDovrelTabDlg(kLayout, kTemplateId, manager, parent)
{
}

bool CAngleParamDlg::OnInitDialog()
{
    CDovrelTabDlg::OnInitDialog();
    FillConditionKinds(CComboBox(GetDlgItem(IDC_ANGLE_WORKING_KIND)), kKindNames);
    FillConditionKinds(CComboBox(GetDlgItem(IDC_ANGLE_IDLE_KIND)), kKindNames);
    Refresh();
    return true;
}

void CAngleParamDlg::OnUpdate(std::uint32_t bits)
{
    if (bits & SessionNotify::Settings)
        Refresh();
}

void CAngleParamDlg::Refresh()
{
    UpdateData(false);
    const ConditionTexts& angle = Session().Records().settingsTexts.angle;
    EnableRange(IDC_ANGLE_IDLE_RANGE, angle.inactive.kind);
    EnableRange(IDC_ANGLE_WORKING_RANGE, angle.active.kind);
}

void CAngleParamDlg::EnableRange(int rangeId, int kind)
{
    CWindow(GetDlgItem(rangeId)).EnableWindow(kind != 0);
}

void CAngleParamDlg::DoDataExchange(CDataExchange& dx)
{
    SettingsTexts& texts = Session().Records().settingsTexts;
    dx.Text(IDC_ANGLE_ZERO_VECTOR, texts.zeroReference);
    dx.Text(IDC_ANGLE_APPROX_INTERVAL, texts.approximationInterval);
    dx.ComboIndex(IDC_ANGLE_WORKING_KIND, texts.angle.active.kind);
    dx.Text(IDC_ANGLE_WORKING_RANGE, texts.angle.active.range);
    dx.Text(IDC_ANGLE_WORKING_DELAY, texts.angle.active.delay);
    dx.ComboIndex(IDC_ANGLE_IDLE_KIND, texts.angle.inactive.kind);
    dx.Text(IDC_ANGLE_IDLE_RANGE, texts.angle.inactive.range);
    dx.Text(IDC_ANGLE_IDLE_DELAY, texts.angle.inactive.delay);
    dx.Text(IDC_ANGLE_THRESHOLD, texts.angleThreshold);
    dx.Text(IDC_ANGLE_MOTION_TIMEOUT, texts.angularMotionTimeout);
    dx.Text(IDC_ANGLE_PULSE_TIMEOUT, texts.pulseSensorTimeout);
}

bool CAngleParamDlg::OnCommand(int id, UINT code)
{
    const bool kindChanged = code == CBN_SELCHANGE && (id == IDC_ANGLE_WORKING_KIND || id == IDC_ANGLE_IDLE_KIND);
    if (!kindChanged && !(code == EN_CHANGE && IsEditedText(id)))
        return CDovrelTabDlg::OnCommand(id, code);
    StoreEdits();
    if (kindChanged) {
        const int rangeId = id == IDC_ANGLE_WORKING_KIND ? IDC_ANGLE_WORKING_RANGE : IDC_ANGLE_IDLE_RANGE;
        EnableRange(rangeId, CComboBox(GetDlgItem(id)).GetCurSel());
    }
    return true;
}
