// The five tab pages hosted as the main window hosts them, over the connection manager and
// a sensor session talking to a scripted serial channel.
#include <windows.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/win32/GdiplusTestEnvironment.h"
#include "tests/common/win32/MessageBoxWatch.h"
#include "CPageHostDlg.h"
#include "ScriptedSerial.h"
#include "protocol/KivraProcessor.h"
#include "protocol/ValueCodes.h"
#include "protocol/resources/protocol_ids.h"
#include "protocol/UpdateBits.h"
#include "runtime/ResourceLanguage.h"
#include "runtime/ResourceText.h"
#include "tests/protocol/SessionFixture.h"
#include "ui/pages/OutputConditionMask.h"
#include "ui/resources/page_ids.h"

namespace {

const testing::Environment* const kGdiplus = testing::AddGlobalTestEnvironment(new CGdiplusTestEnvironment);

enum Entry { EntryRs485 = 0, EntryOutputs = 1, EntryAngle = 2, EntryAux = 3, EntryLog = 4 };

// Outputs in use, each condition "in range", so every condition control starts enabled.
SettingsBlock OutputSettings()
{
    SensorSettings s = DecodeSettings(ValidSettings());
    s.outputs[0] = OutputRecord{3, 0, {RangeRecord{kRangeInRange, 2, 10, 20}, RangeRecord{kRangeInRange, 3, 30, 40}}};
    s.outputs[1] = OutputRecord{2, 0, {RangeRecord{kRangeInRange, 4, 1, 2}, RangeRecord{kRangeInRange, 5, 3, 4}}};
    return EncodeSettings(s);
}

// A data answer of firmware 8 and up carrying extra values for codes 1, 2, 3...
Bytes ExtrasAnswer(std::initializer_list<int16_t> extras)
{
    const int16_t mask = int16_t(((1 << extras.size()) - 1) << 1);
    return DataAnswer(7, {2150, 4500, 1, 2, 0, 7, 0, 1, mask, 0}, {}, extras);
}

class PagesOverSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetResourceLanguage(kLangEnglish);
        manager->SetChannelFactory(channels);
        ASSERT_TRUE(host.Create(nullptr));
        host.ShowWindow(SW_SHOW);
        manager->SetNotifyTarget(host.GetHwnd(), CPageHostDlg::kTimerId, CPageHostDlg::ConnNotify(),
                                 CPageHostDlg::UpdtNotify());
        Pump();
    }
    void TearDown() override
    {
        if (CKivraProcessor* s = session())
            s->SetDataLog(DataLogMode::Off);
        manager->Disconnect();
        Pump();
        host.DestroyWindow();
        std::error_code ignored;
        std::filesystem::remove(DataLogPath(kTestSerial), ignored);
    }

    CKivraProcessor* session() const { return manager->GetSession(); }

    void Pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    void Connect(uint32_t version, const SettingsBlock& block = OutputSettings())
    {
        manager->SetConnectionType(ConnectionType::Sensor);
        ASSERT_EQ(manager->Open(), 1);
        Pump();
        Answer(0x01, IdentificationPayload(version, kSupportedType));
        Answer(0x2B, SettingsAnswer(block));
    }
    void Reconnect(uint32_t version)
    {
        manager->Disconnect();
        Pump();
        Connect(version);
    }
    void Answer(uint8_t code, const Bytes& payload)
    {
        channels.last->Stage(Response(255, code, payload));
        manager->OnWindowMessage(CPageHostDlg::ConnNotify(), 0, CConnectionWrapper::kInputSide);
        Pump();
    }

    CWindow Item(CDovrelTabDlg& page, int id) { return CWindow(page.GetDlgItem(id)); }
    int ListCount(CDovrelTabDlg& page, int id) { return int(Item(page, id).SendMessage(CB_GETCOUNT)); }
    bool Enabled(CDovrelTabDlg& page, int id) { return Item(page, id).IsWindowEnabled(); }
    std::wstring TextOf(CDovrelTabDlg& page, int id) { return Item(page, id).GetWindowText(); }
    // What a person's choice in a list does: the selection, then the list's notice.
    void Choose(CDovrelTabDlg& page, int id, int index)
    {
        Item(page, id).SendMessage(CB_SETCURSEL, WPARAM(index));
        page.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(page.GetDlgItem(id)));
    }
    void Type(CDovrelTabDlg& page, int id, const std::wstring& text) { Item(page, id).SetWindowText(text); }
    void Leave(CDovrelTabDlg& page, int id)
    {
        page.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), LPARAM(page.GetDlgItem(id)));
    }
    void Click(Entry entry, CDovrelTabDlg& page, int id)
    {
        host.tab.SelectEntry(entry);
        Item(page, id).SendMessage(BM_CLICK);
        Pump();
    }
    bool Checked(CDovrelTabDlg& page, int id) { return Item(page, id).SendMessage(BM_GETCHECK) == BST_CHECKED; }

    CScriptedSerialFactory channels;
    CRefPtr<CDeviceCommandProcessor> manager{new CDeviceCommandProcessor};
    CPageHostDlg host{*manager};
};

} // namespace

TEST_F(PagesOverSession, SourceListsAndFrequencyModeFollowTheFirmwareVersion)
{
    struct Case {
        uint32_t version;
        int names;
        bool frequencyMode;
    };
    for (const Case c : {Case{6, 14, false}, Case{7, 20, true}, Case{9, 21, true}, Case{6, 14, false}}) {
        SCOPED_TRACE(testing::Message() << "version " << c.version);
        Reconnect(c.version);
        for (int id : {IDC_RS485_LLS1_SOURCE, IDC_RS485_LLS2_SOURCE})
            EXPECT_EQ(ListCount(host.rs485, id), c.names);
        for (int id : {IDC_OUT1_SOURCE, IDC_OUT2_SOURCE})
            EXPECT_EQ(ListCount(host.outputs, id), c.names);
        EXPECT_EQ(Enabled(host.outputs, IDC_OUT1_FREQUENCY), c.frequencyMode);
        EXPECT_EQ(int(Item(host.outputs, IDC_OUT1_SOURCE).SendMessage(CB_GETCURSEL)), 3);
    }
}

TEST_F(PagesOverSession, NotUsedAndFrequencyModeGreyTheirOutputsConditions)
{
    Connect(7);
    for (int output = 0; output < 2; ++output)
        for (int id : kOutputConditionIds[output])
            EXPECT_TRUE(Enabled(host.outputs, id)) << id;

    Choose(host.outputs, IDC_OUT2_SOURCE, 0);
    EXPECT_EQ(session()->Records().settingsTexts.outputs[1].valueCode, 0);
    for (int id : kOutputConditionIds[1])
        EXPECT_FALSE(Enabled(host.outputs, id)) << id;
    EXPECT_TRUE(Enabled(host.outputs, IDC_OUT2_SOURCE));
    EXPECT_TRUE(Enabled(host.outputs, kOutputConditionIds[0][0]));

    Click(EntryOutputs, host.outputs, IDC_OUT1_FREQUENCY);
    EXPECT_EQ(session()->Records().settingsTexts.outputs[0].frequencyMode, 1);
    for (int id : kOutputConditionIds[0])
        EXPECT_FALSE(Enabled(host.outputs, id)) << id;
    EXPECT_TRUE(Enabled(host.outputs, IDC_OUT1_SOURCE));
    EXPECT_TRUE(Enabled(host.outputs, IDC_OUT1_FREQUENCY));

    // "in other values" leaves only the range edit of its condition greyed.
    Choose(host.outputs, IDC_OUT2_SOURCE, 2);
    Choose(host.outputs, IDC_OUT2_ACTIVE_KIND, 0);
    EXPECT_FALSE(Enabled(host.outputs, IDC_OUT2_ACTIVE_RANGE));
    EXPECT_TRUE(Enabled(host.outputs, IDC_OUT2_INACTIVE_RANGE));
    EXPECT_TRUE(Enabled(host.outputs, IDC_OUT2_ACTIVE_DELAY));
}

TEST_F(PagesOverSession, ALoneNumberInARangeEditBecomesARangeOnLeavingIt)
{
    Connect(9);
    struct Case {
        const wchar_t* typed;
        const wchar_t* shown;
    };
    for (const Case c : {Case{L"12", L"12..12"}, Case{L"12..20", L"12..20"}, Case{L"-3", L"-3"}, Case{L"1a", L"1a"}}) {
        SCOPED_TRACE(testing::Message() << "typed " << c.typed);
        Type(host.outputs, IDC_OUT2_INACTIVE_RANGE, c.typed);
        Leave(host.outputs, IDC_OUT2_INACTIVE_RANGE);
        EXPECT_EQ(TextOf(host.outputs, IDC_OUT2_INACTIVE_RANGE), c.shown);
        EXPECT_EQ(session()->Records().settingsTexts.outputs[1].conditions.inactive.range, c.shown);
    }
    // The session judged the rewritten text: 12..12 is valid, letters are not.
    EXPECT_EQ(session()->Status().GetSettings(), CSessionStatus::SettingsInvalid);
    Type(host.outputs, IDC_OUT2_INACTIVE_RANGE, L"7");
    Leave(host.outputs, IDC_OUT2_INACTIVE_RANGE);
    EXPECT_EQ(session()->Status().GetSettings(), CSessionStatus::SettingsModified);
}

TEST_F(PagesOverSession, EditingAValueBackToTheHeldOneReadsAsUnchanged)
{
    Connect(9);
    const std::wstring held = TextOf(host.angle, IDC_ANGLE_THRESHOLD);
    ASSERT_EQ(held, L"5");
    EXPECT_EQ(session()->Status().GetSettingsText(), LoadResourceText(IDS_SETTINGS_READ));
    Type(host.angle, IDC_ANGLE_THRESHOLD, L"6");
    EXPECT_EQ(session()->Status().GetSettings(), CSessionStatus::SettingsModified);
    Type(host.angle, IDC_ANGLE_THRESHOLD, held);
    EXPECT_EQ(session()->Status().GetSettings(), CSessionStatus::SettingsRead);
    EXPECT_EQ(session()->Status().GetSettingsText(), L"Settings are read from sensor");

    // A settings refresh fills the page without taking the filling for edits.
    host.Update(SessionNotify::Settings);
    EXPECT_EQ(session()->Status().GetSettings(), CSessionStatus::SettingsRead);

    Choose(host.angle, IDC_ANGLE_WORKING_KIND, 0);
    EXPECT_FALSE(Enabled(host.angle, IDC_ANGLE_WORKING_RANGE));
    EXPECT_EQ(TextOf(host.angle, IDC_ANGLE_WORKING_RANGE), L"20..180");
    EXPECT_TRUE(Enabled(host.angle, IDC_ANGLE_IDLE_RANGE));
}

TEST_F(PagesOverSession, ValueListKeepsRowsThatStayAndDeletesTheRest)
{
    Connect(9);
    Answer(0x28, ExtrasAnswer({11, 12, 13, 14, 15}));
    CListViewCtrl list(host.aux.GetDlgItem(IDC_AUX_VALUE_LIST));
    ASSERT_EQ(list.GetItemCount(), 10);
    EXPECT_EQ(list.GetItemText(1, 0), L"11");
    EXPECT_EQ(list.GetItemText(8, 0), ValueCodeName(5));

    session()->OnTimeout();  // the poll pause ends: the next poll goes out
    Answer(0x28, ExtrasAnswer({11, 22, 13}));
    ASSERT_EQ(list.GetItemCount(), 6);
    EXPECT_EQ(list.GetItemText(0, 0), ValueCodeName(1));
    EXPECT_EQ(list.GetItemText(3, 0), L"22");
    EXPECT_EQ(list.GetItemText(5, 0), L"13");
}

TEST_F(PagesOverSession, DataLogBoxesShowWhatTheSessionHolds)
{
    Connect(9);
    host.Update(ChangeBits::Terminal);
    Click(EntryLog, host.log, IDC_LOG_SAVE_FULL_DATA);
    EXPECT_FALSE(session()->IsDataLogOpen());  // "Save full data" alone asks for mode 0
    EXPECT_FALSE(Checked(host.log, IDC_LOG_SAVE_DATA));

    Click(EntryLog, host.log, IDC_LOG_SAVE_DATA);
    EXPECT_TRUE(session()->IsDataLogOpen());
    EXPECT_TRUE(session()->IsFullData());
    EXPECT_TRUE(Checked(host.log, IDC_LOG_SAVE_DATA));

    Click(EntryLog, host.log, IDC_LOG_SAVE_DATA);
    EXPECT_FALSE(session()->IsDataLogOpen());
    EXPECT_TRUE(Checked(host.log, IDC_LOG_SAVE_FULL_DATA));  // until the next bit 0x80
    host.Update(ChangeBits::Terminal);
    EXPECT_FALSE(Checked(host.log, IDC_LOG_SAVE_FULL_DATA));
}

TEST_F(PagesOverSession, FastPollingAsksOnlyOverTheOnBoardTerminal)
{
    Connect(9);
    Click(EntryLog, host.log, IDC_LOG_FAST_POLLING);
    EXPECT_TRUE(session()->IsFastPolling());
    Click(EntryLog, host.log, IDC_LOG_FAST_POLLING);
    EXPECT_FALSE(session()->IsFastPolling());

    // Over the terminal the question comes; the person cancels it.
    session()->SetLinkKind(LinkRelay);
    const std::wstring asked =
        CancelMessageBoxDuring(host.GetHwnd(), [&] { Click(EntryLog, host.log, IDC_LOG_FAST_POLLING); });
    EXPECT_EQ(asked, LoadResourceText(IDS_ASK_FAST_POLLING));
    EXPECT_FALSE(Checked(host.log, IDC_LOG_FAST_POLLING));
    EXPECT_FALSE(session()->IsFastPolling());
}

TEST_F(PagesOverSession, TestValueAndDiagnosticsReachTheSensor)
{
    Connect(9);
    host.Update(ChangeBits::Terminal);
    EXPECT_TRUE(Enabled(host.log, IDC_LOG_TEST));
    EXPECT_TRUE(Enabled(host.log, IDC_LOG_DIAGNOSTICS));
    Type(host.log, IDC_LOG_TEST_VALUE, L"300");
    const std::size_t before = channels.last->frames.size();
    Click(EntryLog, host.log, IDC_LOG_TEST);
    ASSERT_GT(channels.last->frames.size(), before);
    const Bytes& sent = channels.last->frames.back();
    ASSERT_GE(sent.size(), 6u);
    EXPECT_EQ(sent[sent.size() - 2], 44);
    EXPECT_EQ(session()->GetTestValue(), 300u);
    Type(host.log, IDC_LOG_TEST_VALUE, L"");
    host.Update(ChangeBits::Terminal);
    EXPECT_EQ(TextOf(host.log, IDC_LOG_TEST_VALUE), L"300");

    // Diagnostics: the request, and its answer shown on the page.
    Click(EntryLog, host.log, IDC_LOG_DIAGNOSTICS);
    EXPECT_EQ(channels.last->frames.back()[3], 0x28);
    EXPECT_EQ(channels.last->frames.back()[4], 3);
    Answer(0x28, PayloadBuilder().U8(3).U8(1).U8(5).U32(0).U32(7).Bytes());
    EXPECT_EQ(TextOf(host.log, IDC_LOG_DIAGNOSTICS_TEXT), L"C=1,T=0,A=1,Sw=7");

    manager->Disconnect();
    Pump();
    EXPECT_FALSE(Enabled(host.log, IDC_LOG_TEST));
}

TEST_F(PagesOverSession, TraceKeepsShowingTheNewestFramesBeyondItsCapacity)
{
    Connect(9);
    const std::wstring first = TextOf(host.log, IDC_LOG_TRACE);
    EXPECT_NE(first.find(L"Tx;41 00 FF 00 EE"), std::wstring::npos) << "the identification request";

    // Far more frames than the box holds, a batch per update as the manager posts them.
    uint8_t frame[12] = {0x42, 0x07, 0xFF, 0x28};
    for (int batch = 0; batch < 80; ++batch) {
        for (int i = 0; i < 40; ++i) {
            frame[4] = uint8_t(batch);
            frame[5] = uint8_t(i);
            manager->TraceFrame(1, sizeof frame, frame);
        }
        host.Update(ChangeBits::Trace);
    }
    const std::wstring text = TextOf(host.log, IDC_LOG_TRACE);
    EXPECT_LE(text.size(), std::size_t(CRuvLogDlg::kTraceCapacity));
    EXPECT_GT(text.size(), std::size_t(CRuvLogDlg::kTraceCapacity) / 2);
    const std::wstring last = L"42 07 FF 28 4F 27 00 00 00 00 00 00 \r\n";  // batch 79, frame 39
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);

    // Only what arrives after the cleanup (the next poll) may show.
    Click(EntryLog, host.log, IDC_LOG_CLEANUP);
    EXPECT_EQ(TextOf(host.log, IDC_LOG_TRACE).find(L"42 07 FF 28"), std::wstring::npos);
}
