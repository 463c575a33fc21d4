// Non-blocking sockets and the relay channel against a TCP peer on loopback.
#include "SocketPeer.h" // the socket headers before the other platform headers
#include "LogCapture.h"

#include "runtime/RxBuffer.h"
#include "remote/win32/NBClientSocket.h"
#include "remote/win32/NBConnectionSocketTempl.h"
#include "remote/win32/TCPIPConnection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
constexpr long kAllEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;

class CTestSocket : public CNBConnectionSocketTempl<CRxBuffer, CNBClientSocketBase>
{
};

std::string Unread(CRxBuffer& buffer)
{
    buffer.RestoreTerminators();
    return std::string(reinterpret_cast<const char*>(buffer.Data() + buffer.ReadPosition()),
                       buffer.Length() - buffer.ReadPosition());
}

class Sockets : public ::testing::Test
{
protected:
    CLogCapture log{1};
    CSocketLibrary library;
    CEventWindow window;
    CLoopbackPeer peer;
};

TEST_F(Sockets, AddressesAreParsedAndResolved)
{
    CRefPtr<CTestSocket> socket(new CTestSocket);
    sockaddr_in address{};
    ASSERT_EQ(socket->ParseAddress(L"localhost:50010", address), 1);
    EXPECT_EQ(address.sin_family, AF_INET);
    EXPECT_EQ(ntohs(address.sin_port), 50010);
    EXPECT_EQ(ntohl(address.sin_addr.s_addr), INADDR_LOOPBACK);

    ASSERT_EQ(socket->ParseAddress(L":7", address), 1);
    EXPECT_EQ(address.sin_addr.s_addr, INADDR_ANY);
    EXPECT_EQ(ntohs(address.sin_port), 7);

    const std::wstring refused[] = {
        L"localhost",
        L"localhost:",
        L"localhost:port",
        std::wstring(60, L'a') + L":1234", // 64 characters: refused before any look-up
    };
    for (const std::wstring& text : refused) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_EQ(socket->ParseAddress(text.c_str(), address), -1);
    }
    EXPECT_EQ(log.Lines(), ""); // refused texts need no look-up and log nothing
}

TEST_F(Sockets, UnresolvableHostFailsWithTheLookUpsError)
{
    CRefPtr<CTestSocket> socket(new CTestSocket);
    EXPECT_EQ(socket->Connect(L"no-such-host.invalid:50010", window.Handle(), CEventWindow::kMessage, kAllEvents),
              -1);
    EXPECT_NE(socket->GetLastSocketError(), 0);
    EXPECT_FALSE(socket->IsOpen());
    const std::string lines = log.Lines();
    const std::string lookUp = "gethostbyname KO(" + std::to_string(socket->GetLastSocketError()) + ")";
    EXPECT_NE(lines.find(lookUp), std::string::npos) << lines;
    EXPECT_NE(lines.find("Listen KO(invalid address)"), std::string::npos) << lines;
    EXPECT_LT(lines.find(lookUp), lines.find("Listen KO(invalid address)"));
}

TEST_F(Sockets, ConnectsReceivesAndSendsOnLoopback)
{
    CRefPtr<CTestSocket> socket(new CTestSocket);
    ASSERT_EQ(socket->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 1);
    EXPECT_TRUE(socket->IsOpen());
    EXPECT_EQ(socket->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 0);
    ASSERT_TRUE(peer.Accept());
    std::intptr_t lParam = 0;
    if (!socket->IsConnected()) {
        ASSERT_TRUE(window.WaitFor(FD_CONNECT, lParam));
        EXPECT_EQ(socket->OnNetworkEvent(lParam), 1);
    }
    EXPECT_TRUE(socket->IsConnected());
    EXPECT_EQ(socket->OnNetworkEvent(FD_CONNECT), 0); // a second connect event has nothing to add

    ASSERT_TRUE(peer.Send("@OK\r\n"));
    ASSERT_TRUE(window.WaitFor(FD_READ, lParam));
    EXPECT_EQ(socket->OnNetworkEvent(lParam), 1);
    EXPECT_EQ(Unread(*socket), "@OK\r\n");
    ASSERT_EQ(socket->SkipLine(), 1);

    ASSERT_TRUE(peer.Send("par"));
    ASSERT_TRUE(window.WaitFor(FD_READ, lParam));
    EXPECT_EQ(socket->OnNetworkEvent(lParam), 0); // no line end yet
    EXPECT_EQ(Unread(*socket), "par");

    uint32_t count = 0;
    const uint8_t request[] = "@CON=5\r";
    EXPECT_EQ(socket->Send(request, 7, count), 1);
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(peer.Receive(7), "@CON=5\r");
}

TEST_F(Sockets, RefusedConnectionFailsOnTheConnectEvent)
{
    const std::wstring address = peer.Address();
    peer.StopListening();
    CRefPtr<CTestSocket> socket(new CTestSocket);
    const int started = socket->Connect(address.c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents);
    if (started == 1) {
        std::intptr_t lParam = 0;
        ASSERT_TRUE(window.WaitFor(FD_CONNECT, lParam));
        EXPECT_EQ(socket->OnNetworkEvent(lParam), -1);
    } else {
        EXPECT_EQ(started, -1); // refused at once
    }
    EXPECT_EQ(socket->GetLastSocketError(), WSAECONNREFUSED);
    EXPECT_FALSE(socket->IsOpen());
    const std::string lines = log.Lines();
    const char* expected = started == 1 ? "FD_CONNECT KO(WSAECONNREFUSED)" : "connect KO(WSAECONNREFUSED)";
    EXPECT_NE(lines.find(expected), std::string::npos) << lines;
}

TEST_F(Sockets, PeerCloseDropsTheConnection)
{
    CRefPtr<CTestSocket> socket(new CTestSocket);
    ASSERT_EQ(socket->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 1);
    ASSERT_TRUE(peer.Accept());
    peer.CloseConnection();
    int result = 0;
    std::intptr_t lParam = 0;
    // Connect, write and read events may come first; the close ends it.
    while (result >= 0 && window.Next(lParam))
        result = socket->OnNetworkEvent(lParam);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(socket->IsOpen());
    EXPECT_EQ(socket->GetLastSocketError(), 0); // an orderly close is no error
    EXPECT_EQ(log.Lines().find("ERROR"), std::string::npos) << log.Lines();
    uint32_t count = 0;
    EXPECT_EQ(socket->Receive(socket->Data(), 1, count), -1);
    EXPECT_EQ(socket->Send(reinterpret_cast<const uint8_t*>("x"), 1, count), -1);
}

TEST_F(Sockets, UnknownEventIsIgnoredAndEventErrorsClose)
{
    CRefPtr<CTestSocket> socket(new CTestSocket);
    ASSERT_EQ(socket->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 1);
    EXPECT_EQ(socket->OnNetworkEvent(0x40), 0);
    EXPECT_TRUE(socket->IsOpen());
    EXPECT_NE(log.Lines().find("Unknown Event(64)"), std::string::npos);
    EXPECT_EQ(socket->OnNetworkEvent(FD_WRITE | (static_cast<std::intptr_t>(WSAENETRESET) << 16)), -1);
    EXPECT_EQ(socket->GetLastSocketError(), WSAENETRESET);
    EXPECT_FALSE(socket->IsOpen());
    EXPECT_NE(log.Lines().find("FD_WRITE KO(WSAENETRESET)"), std::string::npos);
}

TEST_F(Sockets, CloseEventErrorsAreLoggedExceptAnAbort)
{
    struct Case
    {
        int error;
        const char* line;
    };
    const Case cases[] = {
        {WSAECONNABORTED, nullptr},
        {WSAECONNRESET, "FD_CLOSE KO(WSAECONNRESET)"},
        {11004, "FD_CLOSE KO(11004)"}, // a code without a name is written as a number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        CLogCapture caseLog(1);
        CRefPtr<CTestSocket> socket(new CTestSocket);
        ASSERT_EQ(socket->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 1);
        EXPECT_EQ(socket->OnNetworkEvent(FD_CLOSE | (static_cast<std::intptr_t>(c.error) << 16)), -1);
        EXPECT_EQ(socket->GetLastSocketError(), c.error);
        const std::string lines = caseLog.Lines();
        if (c.line == nullptr)
            EXPECT_EQ(lines.find("ERROR"), std::string::npos) << lines;
        else
            EXPECT_NE(lines.find(c.line), std::string::npos) << lines;
        peer.Accept(1000);
        peer.CloseConnection();
    }
}

TEST_F(Sockets, LogLevelDecidesOnDumpsAndEventTraces)
{
    struct Case
    {
        int level;
        bool dumps;
        bool traces;
    };
    for (const Case& c : {Case{1, false, false}, Case{2, true, false}, Case{3, true, true}}) {
        SCOPED_TRACE(c.level);
        CLogCapture levelLog(c.level);
        CRefPtr<CTestSocket> socket(new CTestSocket);
        ASSERT_EQ(socket->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 1);
        ASSERT_TRUE(peer.Accept());
        ASSERT_TRUE(peer.Send("@OK\r\n"));
        std::intptr_t lParam = 0;
        ASSERT_TRUE(window.WaitFor(FD_READ, lParam));
        ASSERT_EQ(socket->OnNetworkEvent(lParam), 1);
        uint32_t count = 0;
        ASSERT_EQ(socket->Send(reinterpret_cast<const uint8_t*>("@CON=1\r"), 7, count), 1);
        const std::string lines = levelLog.Lines();
        EXPECT_EQ(lines.find("Rx[5]:40 4F 4B 0D 0A \r\n") != std::string::npos, c.dumps) << lines;
        EXPECT_EQ(lines.find("Tx[7]:40 43 4F 4E 3D 31 0D \r\n") != std::string::npos, c.dumps) << lines;
        EXPECT_EQ(lines.find("OnSocketEvent (x") != std::string::npos, c.traces) << lines;
        socket.Reset();
        peer.CloseConnection();
    }
}

TEST_F(Sockets, RelayChannelKeepsBlockedBytesQueuedUntilTheWriteEvent)
{
    CRefPtr<CTCPIPConnection> channel(new CTCPIPConnection);
    EXPECT_EQ(channel->Kind(), CConnectionWrapper::kRelay);
    ASSERT_EQ(channel->Connect(peer.Address().c_str(), window.Handle(), CEventWindow::kMessage, kAllEvents), 1);
    ASSERT_TRUE(peer.Accept());
    std::intptr_t lParam = 0;
    while (!channel->IsConnected()) {
        ASSERT_TRUE(window.Next(lParam));
        ASSERT_GE(channel->OnEvent(lParam), 0);
    }

    // The peer reads nothing, so the socket's buffers fill and a send would block.
    std::string sent;
    std::string chunk(16384, '\0');
    int flushed = 1;
    for (int round = 0; flushed == 1 && round < 4096; ++round) {
        for (std::size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = static_cast<char>('A' + (sent.size() + i) % 26);
        sent += chunk;
        ASSERT_EQ(channel->Enqueue(static_cast<uint32_t>(chunk.size()), reinterpret_cast<const uint8_t*>(chunk.data())),
                  1);
        flushed = channel->Flush();
    }
    ASSERT_EQ(flushed, 0) << "the socket never refused bytes";
    EXPECT_TRUE(channel->IsConnected());

    // Reading at the peer frees the socket; each write event flushes more of the queue.
    std::string received;
    // A minute: draining megabytes through a loaded machine's loopback can take a while.
    const DWORD end = GetTickCount() + 60000;
    while (received.size() < sent.size() && GetTickCount() < end) {
        received += peer.Receive(sent.size() - received.size(), 50);
        while (window.Next(lParam, 0))
            ASSERT_GE(channel->OnEvent(lParam), 0);
    }
    EXPECT_EQ(received.size(), sent.size());
    EXPECT_TRUE(received == sent);
}
}
