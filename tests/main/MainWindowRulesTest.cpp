// The main window's rules that need no window: gauge degrees, button states, update passes,
// the address combo against the session's reading of it, and the texts it composes.
#include <gtest/gtest.h>

#include "protocol/SessionOwner.h"
#include "protocol/UpdateBits.h"
#include "runtime/ResourceLanguage.h"
#include "runtime/SystemReason.h"
#include "runtime/ResourceText.h"
#include "ui/main/GaugeDegrees.h"
#include "ui/main/MainButtonStates.h"
#include "ui/main/MainKeys.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/main/UpdatePassPlan.h"
#include "ui/resources/resource.h"

#include <climits>

TEST(GaugeDegrees, RoundsHalfUpAndStaysWithinTheGauge)
{
    struct Case { int32_t hundredths; int degrees; };
    const Case cases[] = {
        {0, 0}, {49, 0}, {50, 1}, {149, 1}, {150, 2}, {17949, 179}, {17950, 180}, {18000, 180},
        {25000, 180}, {-30, 0}, {-80, 0}, {-50, 0}, {-151, 0}, {-36000, 0}, {4525, 45}, {9000, 90},
        {INT32_MAX, 180}, {INT32_MIN, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GaugeDegrees(c.hundredths), c.degrees) << c.hundredths;
}

TEST(MainButtonStates, FollowTheThreeConditionsAndThePort)
{
    struct Case {
        bool active, ready, writable, portValid;
        bool connectShown, connectEnabled, disconnect, editable, session, write;
    };
    const Case cases[] = {
        // Start: only Connect (with a usable port) and the connection block.
        {false, false, false, true, true, true, false, true, false, false},
        {false, false, false, false, true, false, false, true, false, false},
        // Connecting: Disconnect in Connect's place, the block locked.
        {true, false, false, true, false, false, true, false, false, false},
        {true, false, false, false, false, false, true, false, false, false},
        // The sensor identified, then settings edited.
        {true, true, false, true, false, false, true, false, true, false},
        {true, true, true, true, false, false, true, false, true, true},
        // The conditions are taken as they come, even when only one holds.
        {false, true, true, true, true, true, false, true, true, true},
        {false, false, true, false, true, false, false, true, false, true},
    };
    for (const Case& c : cases) {
        const MainButtonStates s = MainButtonStatesFor({c.active, c.ready, c.writable, c.portValid});
        const std::string what = std::to_string(c.active) + std::to_string(c.ready) + std::to_string(c.writable) +
                                 std::to_string(c.portValid);
        EXPECT_EQ(s.connectShown, c.connectShown) << what;
        EXPECT_EQ(s.connectEnabled, c.connectEnabled) << what;
        EXPECT_EQ(s.disconnectShown, c.disconnect) << what;
        EXPECT_EQ(s.connectionEditable, c.editable) << what;
        EXPECT_EQ(s.sessionCommands, c.session) << what;
        EXPECT_EQ(s.writeSettings, c.write) << what;
    }
}

TEST(MainButtonStates, SettingsProfilesNeedTheSensorsSettings)
{
    struct Case { bool active, ready, held, profiles; };
    const Case cases[] = {
        {false, false, false, false},
        {true, false, false, false},
        // Identified, settings not read yet.
        {true, true, false, false},
        {true, true, true, true},
        // The sensor stopped answering: its settings are still held but no longer usable.
        {true, false, true, false},
        {false, false, true, false},
    };
    for (const Case& c : cases) {
        MainWindowConditions conditions;
        conditions.connectionActive = c.active;
        conditions.sessionReady = c.ready;
        conditions.settingsHeld = c.held;
        EXPECT_EQ(MainButtonStatesFor(conditions).settingsProfiles, c.profiles)
            << c.active << c.ready << c.held;
    }
}

TEST(UpdatePassPlan, EachBitRunsItsRefreshes)
{
    struct Case { uint32_t bits; bool address, buttons, statusLine, live; };
    const Case cases[] = {
        {0, false, false, false, false},
        {ChangeBits::ChannelOpened, false, false, false, false},
        {ChangeBits::Trace, false, false, false, false},
        {0x1, false, false, false, false},
        {SessionNotify::Address, true, false, false, false},
        {SessionNotify::Status, false, true, true, false},
        {ChangeBits::Terminal, false, true, true, false},
        {ChangeBits::State, false, true, true, false},
        {SessionNotify::Settings, false, false, true, true},
        {SessionNotify::LiveValues, false, false, false, true},
        {SessionNotify::Everything, false, true, true, true},
        {SessionNotify::LiveValues | ChangeBits::Trace, false, false, false, true},
        {ChangeBits::Everything, true, true, true, true},
    };
    for (const Case& c : cases) {
        const UpdatePassPlan plan = PlanUpdatePass(c.bits);
        EXPECT_EQ(plan.selectAddress, c.address) << std::hex << c.bits;
        EXPECT_EQ(plan.refreshButtons, c.buttons) << std::hex << c.bits;
        EXPECT_EQ(plan.refreshStatusLine, c.statusLine) << std::hex << c.bits;
        EXPECT_EQ(plan.refreshLiveView, c.live) << std::hex << c.bits;
        EXPECT_EQ(plan.transferValues, c.address || c.buttons || c.statusLine || c.live) << std::hex << c.bits;
    }
}

TEST(MainWindowTexts, AddressItemsStandForTheAddressesTheSessionReadsFromThem)
{
    const std::vector<std::wstring> items = AddressComboItems();
    ASSERT_EQ(items.size(), 256u);
    EXPECT_EQ(items[0], LoadResourceText(IDS_ADDRESS_COMMON));
    EXPECT_NE(items[0].find(L"255"), std::wstring::npos);
    // Item 1 is address 0, item 255 address 254: the session's SetSensorAddress(index) reading.
    struct Case { size_t item; const wchar_t* text; };
    const Case cases[] = {{1, L"0"}, {2, L"1"}, {128, L"127"}, {255, L"254"}};
    for (const Case& c : cases)
        EXPECT_EQ(items[c.item], c.text) << c.item;
    for (size_t item = 1; item < items.size(); ++item)
        ASSERT_EQ(items[item], std::to_wstring(item - 1)) << item;
}

TEST(MainWindowTexts, ConnectionParametersCaptionAndFailureInBothLanguages)
{
    EXPECT_EQ(ConnectionParametersText(L"COM5", 19200), L"COM5 : 19200");
    EXPECT_EQ(ConnectionParametersText(L"COM10", 4800), L"COM10 : 4800");
    EXPECT_EQ(CaptionWithVersion(L"Vextora KIVRA"), L"Vextora KIVRA 2.6");

    struct Case { unsigned short language; const wchar_t* start; const wchar_t* portLine; };
    const Case cases[] = {
        {kLangEnglish, L"Connection via COM7 failed!", L"Port may be unavailable or busy."},
        {kLangRussian, L"Соединение через COM7 не может быть установлено!", L"Порт недоступен или занят"},
    };
    for (const Case& c : cases) {
        SetResourceLanguage(c.language);
        const std::wstring bare = ConnectFailedMessage(L"COM7", 0);
        EXPECT_EQ(bare.rfind(c.start, 0), 0u) << c.language;
        EXPECT_NE(bare.find(c.portLine), std::wstring::npos) << c.language;
        EXPECT_EQ(bare.find(L"\r\n\r\n"), std::wstring::npos);
        // The system's reason follows on a line of its own.
        const std::wstring reason = SystemReasonText(errc::kFileNotFound);
        EXPECT_EQ(ConnectFailedMessage(L"COM7", errc::kFileNotFound), bare + L"\r\n" + reason) << c.language;
    }
    SetResourceLanguage(kLangEnglish);
}

TEST(MainWindowTexts, SettingsProfileMessagesNameTheFileThenEachReasonOnItsLine)
{
    struct Case { unsigned short language; unsigned id; const wchar_t* first; };
    const Case cases[] = {
        {kLangEnglish, IDS_SETTINGS_NOT_IMPORTED, L"The settings from C:\\a.json were not imported, nothing was changed:"},
        {kLangRussian, IDS_SETTINGS_NOT_IMPORTED, L"Настройки из файла C:\\a.json не загружены, ничего не изменено:"},
        {kLangEnglish, IDS_SETTINGS_NOT_READ, L"The settings file C:\\a.json could not be read."},
        {kLangRussian, IDS_SETTINGS_NOT_SAVED, L"Не удалось сохранить настройки в файл C:\\a.json."},
    };
    for (const Case& c : cases) {
        SetResourceLanguage(c.language);
        EXPECT_EQ(SettingsProfileMessage(c.id, L"C:\\a.json", {}), c.first) << c.id;
        // An empty reason (the system gave none) leaves no empty line.
        EXPECT_EQ(SettingsProfileMessage(c.id, L"C:\\a.json", {L"angle_threshold = \"95\": why", L"", L"second"}),
                  std::wstring(c.first) + L"\r\nangle_threshold = \"95\": why\r\nsecond")
            << c.id;
    }
    SetResourceLanguage(kLangEnglish);
}

TEST(MainKeys, F4F6F12PressesAreTakenWithAndWithoutCtrl)
{
    struct Case { unsigned code; bool ctrl; bool handled; MainKeyAction action; };
    const Case cases[] = {
        {0x10073, false, true, MainKeyAction::ConnectOrDisconnect},
        {0x10073, true, true, MainKeyAction::OpenIpDialog},
        {0x10075, false, true, MainKeyAction::NextTab},
        {0x10075, true, true, MainKeyAction::PreviousTab},
        {0x1007B, true, true, MainKeyAction::ToggleLogTab},
        // F12 alone is taken and does nothing.
        {0x1007B, false, true, MainKeyAction::None},
        // Releases and other keys go on to normal processing.
        {0x73, false, false, MainKeyAction::None},
        {0x75, true, false, MainKeyAction::None},
        {0x7B, true, false, MainKeyAction::None},
        {0x10074, false, false, MainKeyAction::None},
        {0x1000D, false, false, MainKeyAction::None},
        {0x1001B, true, false, MainKeyAction::None},
        {0x20073, false, false, MainKeyAction::None},
    };
    for (const Case& c : cases) {
        const MainKey key = MainKeyOf(c.code, c.ctrl);
        EXPECT_EQ(key.handled, c.handled) << std::hex << c.code << " ctrl " << c.ctrl;
        EXPECT_EQ(key.action, c.action) << std::hex << c.code << " ctrl " << c.ctrl;
    }
}
