// The connection dialogs live, against a real connection manager: the serial dialog over the
// system's port list, the IP dialog over a scripted relay server on loopback, the network
// address dialog over the session's texts.
#include "tests/remote/win32/SocketPeer.h"  // the socket headers before the other platform headers

#include "protocol/KivraProcessor.h"
#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/ResourceLanguage.h"
#include "runtime/TRegKey1.h"
#include "ui/app/win32/ManagerMessages.h"
#include "ui/app/win32/SystemComPorts.h"
#include "ui/dialogs/win32/CIpDlg.h"
#include "ui/dialogs/win32/CNetAddrDlg.h"
#include "ui/dialogs/win32/CSerialDlg.h"
#include "ui/resources/dialog_ids.h"
#include "ui/window/win32/CButton.h"
#include "ui/window/win32/CComboBox.h"

#include <gtest/gtest.h>

#include "tests/common/win32/MessageBoxWatch.h"

#include <string>
#include <vector>

namespace {

const wchar_t* const kPortDevices = L"System\\CurrentControlSet\\Enum\\Root\\PORTS\\";
const wchar_t* const kPortsClass = L"{4D36E978-E325-11CE-BFC1-08002BE10318}";

// The main window's part for an open child dialog: the manager's messages routed, its updates
// passed on to the dialog.
class CManagerHost
{
public:
    CManagerHost() : m_manager(new CDeviceCommandProcessor), m_router(MakeManagerMessageRouter())
    {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KivraDialogsTestHost";
        RegisterClassExW(&windowClass);
        m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   windowClass.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_router.Attach(*m_manager, m_window, [this](unsigned bits) {
            if (dialog)
                dialog->Update(bits);
        });
    }
    ~CManagerHost()
    {
        m_manager->Disconnect();
        m_router.Detach();
        DestroyWindow(m_window);
    }

    CDeviceCommandProcessor& Manager() { return *m_manager; }

    // Runs the thread's messages until done() holds or the time is up.
    template <class Done>
    bool PumpUntil(Done done, unsigned timeoutMs = 5000)
    {
        const DWORD end = GetTickCount() + timeoutMs;
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (done())
                return true;
            if (GetTickCount() >= end)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }

    CResizableDialog* dialog = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<CManagerHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && self->m_router.Route(message, wParam, lParam))
            return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    CRefPtr<CDeviceCommandProcessor> m_manager;
    CManagerMessageRouter m_router;
    HWND m_window = nullptr;
};

std::wstring TextOf(const CWindow& dialog, int id)
{
    return CWindow(dialog.GetDlgItem(id)).GetWindowText();
}

bool EnabledOf(const CWindow& dialog, int id)
{
    return CWindow(dialog.GetDlgItem(id)).IsWindowEnabled();
}

// Types into an edit as a person does: the edit tells the dialog of the change.
void Type(const CWindow& dialog, int id, const wchar_t* text)
{
    CWindow(dialog.GetDlgItem(id)).SetWindowText(text);
}

void Select(const CWindow& dialog, int id, int index)
{
    CComboBox box(dialog.GetDlgItem(id));
    box.SetCurSel(index);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.GetHwnd()));
}

void Click(const CWindow& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

std::vector<std::wstring> Items(const CWindow& dialog, int id)
{
    CComboBox box(dialog.GetDlgItem(id));
    std::vector<std::wstring> items;
    for (int i = 0; i < box.GetCount(); ++i)
        items.push_back(box.GetLBText(i));
    return items;
}

class CLanguage
{
public:
    explicit CLanguage(unsigned short language) : m_previous(GetResourceLanguage()) { SetResourceLanguage(language); }
    ~CLanguage() { SetResourceLanguage(m_previous); }

private:
    unsigned short m_previous;
};

// Port devices of the ports class as a driver registers them, removed again afterwards.
class SerialDlgTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (const std::wstring& device : m_devices)
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, device.c_str());
    }
    void AddPort(const std::wstring& name, const std::wstring& friendlyName)
    {
        const std::wstring device = kPortDevices + name;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, device.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        m_devices.push_back(device);
        const auto set = [key](const wchar_t* value, const std::wstring& text) {
            RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        };
        set(L"ClassGUID", kPortsClass);
        set(L"Class", L"Ports");
        set(L"FriendlyName", friendlyName);
        RegCloseKey(key);
    }

    std::vector<std::wstring> m_devices;
};

TEST_F(SerialDlgTest, ListsThePortsSelectsTheStoredOneAndHandsBackTheChoice)
{
    AddPort(L"KIVRA_DLG_0", L"Vextora RUV USB Serial (COM12)");
    AddPort(L"KIVRA_DLG_1", L"Communications Port (COM3)");
    CSerialDlg dialog;
    dialog.Preset(L"COM12", 9600);
    ASSERT_TRUE(dialog.Create(nullptr));

    const std::vector<std::wstring> ports = Items(dialog, IDC_SERIAL_PORT);
    const auto at = [&ports](const wchar_t* item) { return std::find(ports.begin(), ports.end(), item) - ports.begin(); };
    ASSERT_LT(at(L"COM3"), static_cast<long>(ports.size())) << testing::PrintToString(ports);
    EXPECT_LT(at(L"COM3"), at(L"COM12 : Vextora RUV USB")) << "numeric order";
    EXPECT_EQ(Items(dialog, IDC_SERIAL_BAUD), (std::vector<std::wstring>{L"19200", L"9600", L"4800"}));
    EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_SERIAL_PORT)).GetCurSel(), at(L"COM12 : Vextora RUV USB"));
    EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_SERIAL_BAUD)).GetCurSel(), 1);
    EXPECT_TRUE(EnabledOf(dialog, IDOK));

    Select(dialog, IDC_SERIAL_PORT, static_cast<int>(at(L"COM3")));
    Select(dialog, IDC_SERIAL_BAUD, 2);
    Click(dialog, IDOK);
    EXPECT_FALSE(dialog.IsWindow()) << "OK ends the dialog";
    std::wstring port = L"COM1";
    uint32_t baud = 19200;
    ASSERT_TRUE(dialog.ReadBack(port, baud));
    EXPECT_EQ(port, L"COM3");
    EXPECT_EQ(baud, 4800u);
}

TEST_F(SerialDlgTest, APortGoneSelectsTheFirstAndANewOneShowsWithTheNextDialog)
{
    AddPort(L"KIVRA_DLG_0", L"Communications Port (COM3)");
    {
        CSerialDlg dialog;
        dialog.Preset(L"COM40", 4800);
        ASSERT_TRUE(dialog.Create(nullptr));
        EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_SERIAL_PORT)).GetCurSel(), 0);
        EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_SERIAL_BAUD)).GetCurSel(), 2);
    }
    AddPort(L"KIVRA_DLG_1", L"USB Serial Port (COM40)");
    EXPECT_EQ(TheComPorts().IndexOfPortName(L"COM40"), -1) << "the list is rebuilt only by the serial dialog";
    CSerialDlg dialog;
    EXPECT_GE(TheComPorts().IndexOfPortName(L"COM40"), 0);
    dialog.Preset(L"COM40", 4800);
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_SERIAL_PORT)).GetLBText(
                  CComboBox(dialog.GetDlgItem(IDC_SERIAL_PORT)).GetCurSel()),
              L"COM40");
}

TEST(ConnectionDialogs, TemplatesInBothLanguages)
{
    CManagerHost host;
    struct Case {
        unsigned short language;
        const wchar_t* serial;
        const wchar_t* ip;
        const wchar_t* connect;
        const wchar_t* address;
        const wchar_t* write;
    };
    const Case cases[] = {
        {kLangEnglish, L"Sensor connection parameters", L"IP connection", L"Connect", L"Network address setup",
         L"Write"},
        {kLangRussian, L"Настройки связи с датчиком", L"IP соединение", L"Установить", L"Сетевой адрес",
         L"Записать"},
    };
    for (const Case& c : cases) {
        const CLanguage language(c.language);
        CSerialDlg serial;
        ASSERT_TRUE(serial.Create(nullptr));
        EXPECT_EQ(serial.GetWindowText(), c.serial);
        CIpDlg ip(host.Manager());
        ASSERT_TRUE(ip.Create(nullptr));
        EXPECT_EQ(ip.GetWindowText(), c.ip);
        EXPECT_EQ(TextOf(ip, IDOK), c.connect);
        EXPECT_EQ(Items(ip, IDC_IP_TERMINAL_PORT), (std::vector<std::wstring>{L"RS232", L"RS485"}));
        CNetAddrDlg address(*host.Manager().GetSession());
        ASSERT_TRUE(address.Create(nullptr));
        EXPECT_EQ(address.GetWindowText(), c.address);
        EXPECT_EQ(TextOf(address, IDC_NET_WRITE), c.write);
        // The check boxes carry their text left of the box in English, right of it in Russian.
        const bool leftText = (CWindow(address.GetDlgItem(IDC_NET_COMMON_ADDRESS)).GetStyle() & BS_LEFTTEXT) != 0;
        EXPECT_EQ(leftText, c.language == kLangEnglish);
    }
}

class IpDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { OsRegDeleteTree(reg::kCurrentUser, L"SOFTWARE\\Vextora\\KIVRA"); }
    void TearDown() override { OsRegDeleteTree(reg::kCurrentUser, L"SOFTWARE\\Vextora\\KIVRA"); }

    // What the peer receives, gathered while the messages run.
    std::string PeerReceives(std::size_t count)
    {
        std::string received;
        host.PumpUntil([&] {
            received += peer.Receive(count - received.size(), 10);
            return received.size() >= count;
        });
        return received;
    }

    CSocketLibrary library;
    CLoopbackPeer peer;
    CManagerHost host;
};

TEST_F(IpDlgTest, ConnectRuleFollowsTheTextsAndTheChannel)
{
    CDeviceCommandProcessor& manager = host.Manager();
    manager.GetSession()->SetTerminalPort(1, 4800);
    CIpDlg dialog(manager);
    host.dialog = &dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(TextOf(dialog, IDC_IP_SERVER_ADDRESS), L"localhost:50010");
    EXPECT_EQ(TextOf(dialog, IDC_IP_TERMINAL_ID), L"0");
    EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_IP_TERMINAL_PORT)).GetCurSel(), 0) << "RS232 is port 1";
    EXPECT_EQ(CComboBox(dialog.GetDlgItem(IDC_IP_BAUD)).GetCurSel(), 2);
    EXPECT_EQ(TextOf(dialog, IDC_IP_STATUS), L"Connection is not set");

    struct Step {
        int id;
        const wchar_t* text;
        bool connect;
    };
    const std::wstring server = peer.Address();
    const Step steps[] = {
        {IDC_IP_TERMINAL_ID, L"0", false},   {IDC_IP_TERMINAL_ID, L"1204", true}, {IDC_IP_TERMINAL_ID, L"12x", false},
        {IDC_IP_TERMINAL_ID, L"", false},    {IDC_IP_TERMINAL_ID, L" 42 ", true}, {IDC_IP_SERVER_ADDRESS, L"", false},
        {IDC_IP_SERVER_ADDRESS, server.c_str(), true},
    };
    for (const Step& s : steps) {
        Type(dialog, s.id, s.text);
        EXPECT_EQ(EnabledOf(dialog, IDOK), s.connect) << s.id << " " << testing::PrintToString(std::wstring(s.text));
    }
    // The edit writes straight into the manager.
    EXPECT_EQ(manager.GetServerAddress(), peer.Address());

    Select(dialog, IDC_IP_TERMINAL_PORT, 1);
    Select(dialog, IDC_IP_BAUD, 0);
    Click(dialog, IDOK);
    ASSERT_TRUE(dialog.IsWindow()) << "the dialog stays open while it connects";
    EXPECT_EQ(manager.GetConnectionType(), ConnectionType::Relay);
    EXPECT_EQ(manager.GetTerminalId(), 42u);
    EXPECT_EQ(manager.GetSession()->GetLinkKind(), static_cast<uint32_t>(LinkRelay));
    EXPECT_EQ(manager.GetSession()->GetTerminalPortParameters().port, 2u);
    EXPECT_EQ(manager.GetSession()->GetTerminalPortParameters().baudRate, 19200u);
    // The loopback server takes the connection at once: the request to join the terminal follows.
    EXPECT_TRUE(host.PumpUntil([&] { return manager.GetConnectionState() == ConnectionState::ConnectRequested; }));
    EXPECT_EQ(TextOf(dialog, IDC_IP_STATUS), L"Connecting to the board terminal");
    EXPECT_FALSE(EnabledOf(dialog, IDOK)) << "no second channel while one exists";

    // Stored as after every connection that opened.
    TRegKey1 key(TRegKey1(reg::kCurrentUser), L"SOFTWARE\\Vextora\\KIVRA");
    ASSERT_TRUE(key.Open(reg::kReadWrite));
    wchar_t stored[128] = {};
    uint32_t length = 128;
    EXPECT_TRUE(key.GetString(L"IP Address", &length, stored));
    EXPECT_EQ(stored, peer.Address());
    key.Close();

    ASSERT_TRUE(peer.Accept());
    EXPECT_EQ(PeerReceives(8), "@CON=42\r");
    ASSERT_TRUE(peer.Send("@OK\r\n"));
    EXPECT_TRUE(host.PumpUntil(
        [&] { return TextOf(dialog, IDC_IP_STATUS) == L"Connecting to the board terminal - initialization"; }))
        << testing::PrintToString(TextOf(dialog, IDC_IP_STATUS));

    // Cancel before the transparent connection closes the half-open one.
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(dialog.IsWindow());
    host.dialog = nullptr;
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::None);
}

TEST_F(IpDlgTest, ARefusedServerShowsInTheStatusLineAndConnectComesBack)
{
    CDeviceCommandProcessor& manager = host.Manager();
    const std::wstring address = peer.Address();
    peer.StopListening();
    CIpDlg dialog(manager);
    host.dialog = &dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    Type(dialog, IDC_IP_SERVER_ADDRESS, address.c_str());
    Type(dialog, IDC_IP_TERMINAL_ID, L"7");
    Click(dialog, IDOK);
    EXPECT_TRUE(host.PumpUntil([&] { return manager.GetConnectionState() == ConnectionState::None; }));
    host.PumpUntil([] { return false; }, 200);
    EXPECT_EQ(TextOf(dialog, IDC_IP_STATUS), L"Connection is not set");
    EXPECT_TRUE(EnabledOf(dialog, IDOK));
    EXPECT_TRUE(dialog.IsWindow());
    host.dialog = nullptr;
}

TEST_F(IpDlgTest, TheSensorSessionsChannelClosesTheDialogAfterItsPause)
{
    CDeviceCommandProcessor& manager = host.Manager();
    CIpDlg dialog(manager);
    host.dialog = &dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    Type(dialog, IDC_IP_SERVER_ADDRESS, peer.Address().c_str());
    Type(dialog, IDC_IP_TERMINAL_ID, L"42");
    Click(dialog, IDOK);
    ASSERT_TRUE(peer.Accept());
    EXPECT_EQ(PeerReceives(8), "@CON=42\r");
    ASSERT_TRUE(peer.Send("@OK\r\n#DEVID:3051\r\n#OK\r\n"));
    PeerReceives(29);
    ASSERT_TRUE(peer.Send("#VER:T,1,2,121,1A4\r\n#OK\r\n#BRDREV:1A4\r\n#OK\r\n#BRD:V10\r\n#OK\r\n"));
    PeerReceives(26);
    ASSERT_TRUE(peer.Send("#OPEN\r\n"));
    EXPECT_TRUE(host.PumpUntil([&] { return manager.GetTerminalPhase() == TerminalPhase::Session; }));
    EXPECT_TRUE(dialog.IsWindow()) << "open until the pause has passed";
    const DWORD start = GetTickCount();
    EXPECT_TRUE(host.PumpUntil([&] { return !dialog.IsWindow(); }, 5000));
    EXPECT_GE(GetTickCount() - start, 1500u);
    host.dialog = nullptr;
    // The transparent connection stays for the main window.
    EXPECT_NE(manager.GetConnectionState(), ConnectionState::None);
}

class NetAddrDlgTest : public ::testing::Test
{
protected:
    NetAddrDlgTest()
    {
        SettingsTexts& texts = Session().Records().settingsTexts;
        texts.networkAddress = L"12";
        texts.serialNumber = L"12345";
        texts.noCommonAddress = 1;
        texts.secondaryAddress = 1;
    }
    CKivraProcessor& Session() { return *host.Manager().GetSession(); }

    CManagerHost host;
};

TEST_F(NetAddrDlgTest, TakesTheSessionsTextsAndGreysTheSecondaryAddressForOldFirmware)
{
    for (uint32_t version : {6u, 7u}) {
        Session().Records().identification.firmwareVersion = version;
        CNetAddrDlg dialog(Session());
        ASSERT_TRUE(dialog.Create(nullptr));
        EXPECT_EQ(TextOf(dialog, IDC_NET_ADDRESS), L"12");
        EXPECT_EQ(CButton(dialog.GetDlgItem(IDC_NET_COMMON_ADDRESS)).GetCheck(), BST_UNCHECKED);
        EXPECT_EQ(CButton(dialog.GetDlgItem(IDC_NET_SECONDARY_ADDRESS)).GetCheck(), BST_CHECKED);
        EXPECT_EQ(EnabledOf(dialog, IDC_NET_SECONDARY_ADDRESS), version > 6) << version;
        EXPECT_TRUE(EnabledOf(dialog, IDC_NET_COMMON_ADDRESS));
        EXPECT_FALSE(CWindow(dialog.GetDlgItem(IDC_NET_SERIAL_NUMBER)).IsWindowVisible()) << "no service mode";
        EXPECT_TRUE(EnabledOf(dialog, IDC_NET_WRITE));
    }
}

TEST_F(NetAddrDlgTest, KeystrokesThatAreNoNumberAreUndoneAndWriteNeedsAnAddressUpTo254)
{
    CNetAddrDlg dialog(Session());
    ASSERT_TRUE(dialog.Create(nullptr));
    struct Step {
        const wchar_t* typed;
        const wchar_t* shown;
        bool write;
    };
    const Step steps[] = {
        {L"254", L"254", true}, {L"255", L"255", false}, {L"25a", L"255", false},
        {L"", L"", false},      {L"-3", L"", false},     {L"0", L"0", true},
    };
    for (const Step& s : steps) {
        Type(dialog, IDC_NET_ADDRESS, s.typed);
        EXPECT_EQ(TextOf(dialog, IDC_NET_ADDRESS), s.shown) << testing::PrintToString(std::wstring(s.typed));
        EXPECT_EQ(EnabledOf(dialog, IDC_NET_WRITE), s.write) << testing::PrintToString(std::wstring(s.typed));
    }
    EXPECT_EQ(Session().Records().settingsTexts.networkAddress, L"12") << "nothing reaches the session before Write";
}

TEST_F(NetAddrDlgTest, AnAddressThatCannotGoOutIsSaidAndChangesNothing)
{
    // No sensor is connected: the write cannot go out. Closing would pass for a write.
    CNetAddrDlg dialog(Session());
    ASSERT_TRUE(dialog.Create(nullptr));
    Type(dialog, IDC_NET_ADDRESS, L"31");
    CButton(dialog.GetDlgItem(IDC_NET_COMMON_ADDRESS)).SetCheck(BST_CHECKED);
    Click(dialog, IDC_NET_COMMON_ADDRESS);
    CButton(dialog.GetDlgItem(IDC_NET_SECONDARY_ADDRESS)).SetCheck(BST_UNCHECKED);
    Click(dialog, IDC_NET_SECONDARY_ADDRESS);
    const std::wstring said = CancelMessageBoxDuring(dialog, [&] { Click(dialog, IDC_NET_WRITE); });
    EXPECT_EQ(said, L"The network address is not written: the sensor is not connected.");
    EXPECT_TRUE(dialog.IsWindow()) << "the dialog stays with what was typed";
    EXPECT_EQ(TextOf(dialog, IDC_NET_ADDRESS), L"31");
    const SettingsTexts& texts = Session().Records().settingsTexts;
    EXPECT_EQ(texts.networkAddress, L"12");
    EXPECT_EQ(texts.noCommonAddress, 1);
    EXPECT_EQ(texts.secondaryAddress, 1);
}

}  // namespace
