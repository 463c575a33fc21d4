// The connection manager over a real TCP channel to a scripted relay server on loopback.
#include "SocketPeer.h" // the socket headers before the other platform headers
#include "LogCapture.h"

#include "protocol/UpdateBits.h"
#include "remote/DeviceCommandProcessor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr UINT_PTR kTimerId = 1;

// The main window's part: forwards channel events and timer ticks, collects the posted changes.
class CManagerWindow
{
public:
    CManagerWindow()
        : m_channelMessage(RegisterWindowMessageW(L"Conn notify")),
          m_updateMessage(RegisterWindowMessageW(L"Updt notify")),
          m_manager(new CDeviceCommandProcessor)
    {
        m_manager->SetNotifyTarget(m_window.Handle(), kTimerId, m_channelMessage, m_updateMessage);
    }
    ~CManagerWindow()
    {
        m_manager->Disconnect();
        KillTimer(m_window.Handle(), kTimerId);
    }

    CDeviceCommandProcessor& Manager() { return *m_manager; }

    // Runs the window's messages until done() holds or the time is up.
    template <class Done>
    bool PumpUntil(Done done, unsigned timeoutMs = 5000)
    {
        const DWORD end = GetTickCount() + timeoutMs;
        while (!done()) {
            if (GetTickCount() >= end)
                return false;
            MSG message;
            while (PeekMessageW(&message, m_window.Handle(), 0, 0, PM_REMOVE)) {
                if (message.message == m_updateMessage)
                    posts.push_back(static_cast<uint32_t>(message.wParam));
                else if (message.message == m_channelMessage || message.message == WM_TIMER)
                    m_manager->OnWindowMessage(message.message, message.wParam, message.lParam);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }

    std::vector<uint32_t> posts;

private:
    CEventWindow m_window;
    UINT m_channelMessage;
    UINT m_updateMessage;
    CRefPtr<CDeviceCommandProcessor> m_manager;
};

class RelayManager : public ::testing::Test
{
protected:
    RelayManager()
    {
        auto& manager = window.Manager();
        manager.SetConnectionType(ConnectionType::Relay);
        manager.SetServerAddress(peer.Address());
        manager.SetTerminalId(42);
    }

    // What the peer receives, gathered while the manager's messages run.
    std::string PeerReceives(std::size_t count)
    {
        std::string received;
        window.PumpUntil([&] {
            received += peer.Receive(count - received.size(), 10);
            return received.size() >= count;
        });
        return received;
    }

    CLogCapture log{1};
    CSocketLibrary library;
    CLoopbackPeer peer;
    CManagerWindow window;
};

TEST_F(RelayManager, HandshakeAndTerminalPhasesUpToTheSession)
{
    auto& manager = window.Manager();
    ASSERT_EQ(manager.Open(), 1);
    ASSERT_TRUE(peer.Accept());
    EXPECT_EQ(PeerReceives(10), "@CON=42\r");
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::ConnectRequested);

    ASSERT_TRUE(peer.Send("@OK\r\n#DEVID:3051\r\n#OK\r\n"));
    EXPECT_EQ(PeerReceives(23), "#DEVID?\r#VER?\r#BRDREV?\r#BRD?\r");
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::ChannelOpen);

    ASSERT_TRUE(peer.Send("#VER:T,1,2,121,1A4\r\n#OK\r\n#BRDREV:1A4\r\n#OK\r\n#BRD:V10\r\n#OK\r\n"));
    EXPECT_EQ(PeerReceives(26), "#SEROPN=2,19200,0,3,30000\r");
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::Connected);

    ASSERT_TRUE(peer.Send("#OPEN\r\n"));
    // The session starts at once and asks the sensor for its identity.
    EXPECT_FALSE(PeerReceives(1).empty());
    EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::Session);
    EXPECT_EQ(manager.GetChannelMode(), ChannelMode::Transparent);

    peer.CloseConnection();
    EXPECT_TRUE(window.PumpUntil([&] { return manager.GetConnectionState() == ConnectionState::None; }));
    EXPECT_EQ(window.posts.back(), ChangeBits::Everything);
    EXPECT_EQ(log.Lines().find("ERROR"), std::string::npos) << log.Lines(); // a peer's close is no error
    // Lost, with no system reason to add to the words.
    EXPECT_TRUE(manager.WasConnectionLost());
    EXPECT_EQ(manager.GetFailureCode(), 0u);
    EXPECT_EQ(manager.GetConnectionLostText(), L"Connection via " + peer.Address() + L" is lost.");
}

TEST_F(RelayManager, RefusedConnectionDropsTheLink)
{
    peer.StopListening();
    auto& manager = window.Manager();
    const int opened = manager.Open();
    if (opened == 1) {
        EXPECT_TRUE(window.PumpUntil([&] { return manager.GetConnectionState() == ConnectionState::None; }));
    }
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::None);
    EXPECT_NE(log.Lines().find("FD_CONNECT KO(WSAECONNREFUSED)"), std::string::npos) << log.Lines();
    // The reason goes up with the failure: refused, and not a connection that was lost.
    EXPECT_EQ(manager.GetFailureCode(), static_cast<TErrorCode>(WSAECONNREFUSED));
    EXPECT_FALSE(manager.WasConnectionLost());
}

TEST_F(RelayManager, ServerNameThatCannotBeResolvedFailsTheOpenWithItsReason)
{
    auto& manager = window.Manager();
    manager.SetServerAddress(L"no-such-relay.invalid:50010");
    EXPECT_EQ(manager.Open(), -1);
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::None);
    const TErrorCode code = manager.GetFailureCode();
    EXPECT_TRUE(code == WSAHOST_NOT_FOUND || code == WSANO_DATA || code == WSATRY_AGAIN) << code;
}

TEST_F(RelayManager, UnparsableServerAddressFailsTheOpen)
{
    auto& manager = window.Manager();
    manager.SetServerAddress(L"localhost");
    EXPECT_EQ(manager.Open(), -1);
    EXPECT_EQ(manager.GetConnectionState(), ConnectionState::None);
    EXPECT_NE(log.Lines().find("Listen KO(invalid address)"), std::string::npos);
}
}
