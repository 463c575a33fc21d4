// "Log" page.
#include "ui/pages/win32/CRuvLogDlg.h"

#include <string>

#include "protocol/KivraProcessor.h"
#include "protocol/SessionOwner.h"
#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/ResourceText.h"
#include "ui/pages/DataLogBoxes.h"
#include "ui/pages/TestValueText.h"
#include "ui/pages/TraceTrim.h"
#include "ui/resources/resource.h"
#include "ui/window/win32/CButton.h"
#include "ui/window/win32/CDataExchange.h"
#include "ui/window/win32/CEdit.h"

namespace {
int CheckState(bool on)
{
    return on ? BST_CHECKED : BST_UNCHECKED;
}
}

CRuvLogDlg::CRuvLogDlg(CDeviceCommandProcessor& manager, CWindow* parent)
    : CDovrelTabDlg(nullptr, kTemplateId, manager, parent)
{
}

bool CRuvLogDlg::OnInitDialog()
{
    CDovrelTabDlg::OnInitDialog();
    CEdit(GetDlgItem(IDC_LOG_TRACE)).LimitText(kTraceCapacity);
    OnUpdate(SessionNotify::Settings | SessionNotify::LiveValues | SessionNotify::DataLog);
    return true;
}

void CRuvLogDlg::DoDataExchange(CDataExchange& dx)
{
    // The page shows the diagnostics text; nothing on it is stored back that way.
    if (!dx.IsSaving())
        dx.ShownText(IDC_LOG_DIAGNOSTICS_TEXT, Session().Records().displayTexts.diagnostics);
}

void CRuvLogDlg::OnUpdate(std::uint32_t bits)
{
    if (bits & ChangeBits::Trace)
        AppendTrace();
    if (bits & ChangeBits::Terminal)
        ShowDataLogState();
    if (bits & (ChangeBits::Terminal | SessionNotify::DataLog))
        ShowDataLogFile();
    if (bits & (SessionNotify::Settings | SessionNotify::Status))
        ShowSessionAbilities();
    if (bits & SessionNotify::LiveValues)
        UpdateData(false);
}

void CRuvLogDlg::AppendTrace()
{
    std::wstring text;
    if (!Manager().TakeTraceText(text))
        return;
    const CEdit box(GetDlgItem(IDC_LOG_TRACE));
    if (std::size_t(box.GetWindowTextLength()) + text.size() > std::size_t(kTraceCapacity)) {
        const TraceCut cut = PlanTraceAppend(box.GetWindowText(), text, kTraceCapacity);
        if (cut.boxDrop > 0) {
            box.SetSel(0, int(cut.boxDrop));
            box.ReplaceSel(L"");
        }
        text.erase(0, cut.incomingSkip);
    }
    const int end = box.GetWindowTextLength();
    box.SetSel(end, end);
    box.ReplaceSel(text);
}

void CRuvLogDlg::ShowDataLogState()
{
    const CKivraProcessor& session = Session();
    const DataLogMode state = DataLogStateOf(session.IsDataLogOpen(), session.IsFullData());
    CButton(GetDlgItem(IDC_LOG_SAVE_DATA)).SetCheck(CheckState(state != DataLogMode::Off));
    CButton(GetDlgItem(IDC_LOG_SAVE_FULL_DATA)).SetCheck(CheckState(state == DataLogMode::FullData));
    CWindow(GetDlgItem(IDC_LOG_TEST_VALUE)).SetWindowText(TestValueText(session.GetTestValue()));
}

void CRuvLogDlg::ShowDataLogFile()
{
    // A log that stopped, or could not be opened, must not look as if it were still writing.
    const CKivraProcessor& session = Session();
    CButton(GetDlgItem(IDC_LOG_SAVE_DATA)).SetCheck(CheckState(session.IsDataLogOpen()));
    const std::wstring path = session.GetDataLogPath();
    CWindow(GetDlgItem(IDC_LOG_DATA_FILE)).SetWindowText(path.empty() ? path : LoadResourceText(IDS_DATA_LOG_FILE, {path}));
}

void CRuvLogDlg::ShowSessionAbilities()
{
    const CKivraProcessor& session = Session();
    CWindow(GetDlgItem(IDC_LOG_DIAGNOSTICS)).EnableWindow(session.Records().identificationTexts.supportedModel);
    CButton(GetDlgItem(IDC_LOG_FAST_POLLING)).SetCheck(CheckState(session.IsFastPolling()));
    CWindow(GetDlgItem(IDC_LOG_TEST)).EnableWindow(session.IsReady());
}

void CRuvLogDlg::OnFastPolling()
{
    CKivraProcessor& session = Session();
    const CButton box(GetDlgItem(IDC_LOG_FAST_POLLING));
    if (!box.IsChecked()) {
        session.SetFastPolling(false);
        return;
    }
    if (session.GetLinkKind() == LinkRelay) {
        // Asked on the person's click, never from inside the manager's event handling.
        const std::wstring question = LoadResourceText(IDS_ASK_FAST_POLLING);
        const std::wstring caption = CWindow(GetAncestor(m_hWnd, GA_ROOT)).GetWindowText();
        if (MessageBox(question.c_str(), caption.c_str(), MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
            box.SetCheck(BST_UNCHECKED);
            return;
        }
    }
    session.SetFastPolling(true);
}

void CRuvLogDlg::OnDataLog()
{
    const CButton save(GetDlgItem(IDC_LOG_SAVE_DATA));
    const CButton full(GetDlgItem(IDC_LOG_SAVE_FULL_DATA));
    Session().SetDataLog(DataLogModeOf(save.IsChecked(), full.IsChecked()));
    ShowDataLogFile();
}

void CRuvLogDlg::OnTest()
{
    const std::wstring text = CWindow(GetDlgItem(IDC_LOG_TEST_VALUE)).GetWindowText();
    Session().SetTestValue(ParseTestValue(text));
    Session().SendTest();
}

bool CRuvLogDlg::OnCommand(int id, UINT code)
{
    if (code != BN_CLICKED)
        return CDovrelTabDlg::OnCommand(id, code);
    switch (id) {
    case IDC_LOG_CLEANUP: {
        const CEdit box(GetDlgItem(IDC_LOG_TRACE));
        box.SetSel(0, -1);
        box.ReplaceSel(L"");
        return true;
    }
    case IDC_LOG_DIAGNOSTICS:
        Session().ReadDiagnostics();
        return true;
    case IDC_LOG_FAST_POLLING:
        OnFastPolling();
        return true;
    case IDC_LOG_SAVE_DATA:
    case IDC_LOG_SAVE_FULL_DATA:
        OnDataLog();
        return true;
    case IDC_LOG_TEST:
        OnTest();
        return true;
    default:
        return CDovrelTabDlg::OnCommand(id, code);
    }
}
