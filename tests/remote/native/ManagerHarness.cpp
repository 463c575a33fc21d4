// Scripted surroundings of the connection manager: window, channels, session and clock under test control.
#include "ManagerHarness.h"

#include "protocol/KivraProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

int CScriptedChannel::liveChannels = 0;

bool CFakeWindow::OnPost(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    EXPECT_EQ(message, kUpdateMessage);
    EXPECT_EQ(lParam, 0);
    posts.push_back(static_cast<uint32_t>(wParam));
    return true;
}

void CFakeWindow::OnSetTimer(std::uintptr_t id, unsigned milliseconds)
{
    if (id != kTimerId)
        foreignTimerIds.push_back(id);
    timerMs = milliseconds;
    timerArmed = true;
    ++timerSets;
}

std::vector<uint32_t> CFakeWindow::TakePosts()
{
    std::vector<uint32_t> taken;
    taken.swap(posts);
    return taken;
}

CScriptedChannel::~CScriptedChannel()
{
    --liveChannels;
}

int CScriptedChannel::Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted)
{
    accepted = 0;
    if (m_writeLimit < 0)
        return -1;
    if (m_writeLimit == 0)
        return 0;
    accepted = std::min(length, static_cast<uint32_t>(m_writeLimit));
    m_sent.append(reinterpret_cast<const char*>(bytes), accepted);
    return 1;
}

int CScriptedChannel::OnEvent(int code)
{
    switch (code) {
    case kConnectEvent:
        m_connected = true;
        return 1;
    case kReadEvent: {
        const uint32_t n = std::min(m_rx.FreeSpace(), static_cast<uint32_t>(m_staged.size()));
        if (n == 0)
            return 0;
        m_rx.RestoreTerminators();
        std::copy_n(m_staged.data(), n, m_rx.Data() + m_rx.Length());
        m_staged.erase(0, n);
        return m_rx.AppendReceived(n) ? 1 : 0;
    }
    case kWriteEvent: {
        const int flushed = Flush();
        return flushed < 0 ? flushed : 0;
    }
    case kCloseEvent:
        m_connected = false;
        return -1;
    default:
        return 0;
    }
}

std::string CScriptedChannel::TakeSent()
{
    std::string sent;
    sent.swap(m_sent);
    return sent;
}

int CScriptedChannels::OpenSerial(const std::wstring& port, uint32_t, uint32_t readGapMs, TWindowHandle,
                                  unsigned message, CRefPtr<CConnectionWrapper>& channel)
{
    EXPECT_EQ(message, kChannelMessage);
    if (onOpen)
        onOpen();
    lastTarget = port;
    lastReadGap = readGapMs;
    last = new CScriptedChannel(CConnectionWrapper::kSerial, result > 0);
    if (result < 0)
        last->FailWith(failure);
    ++CScriptedChannel::liveChannels;
    channel = last;
    return result;
}

int CScriptedChannels::ConnectRelay(const std::wstring& address, TWindowHandle, unsigned message, unsigned events,
                                    CRefPtr<CConnectionWrapper>& channel)
{
    EXPECT_EQ(message, kChannelMessage);
    if (onOpen)
        onOpen();
    lastTarget = address;
    lastEvents = events;
    last = new CScriptedChannel(CConnectionWrapper::kRelay, connectAtOnce);
    if (result < 0)
        last->FailWith(failure);
    ++CScriptedChannel::liveChannels;
    channel = last;
    return result;
}

int CRecordingSession::Start()
{
    calls += "Start;";
    if (partialDataOnStart)
        m_owner.GetSessionRxBuffer()->SetPartialData(true);
    return 1;
}

int CRecordingSession::Stop()
{
    calls += "Stop;";
    return 1;
}

int CRecordingSession::OnReceive()
{
    calls += "OnReceive;";
    CRxBuffer* buffer = m_owner.GetSessionRxBuffer();
    buffer->RestoreTerminators();
    const uint8_t* from = buffer->Data() + buffer->ReadPosition();
    const uint32_t unread = buffer->Length() - buffer->ReadPosition();
    received.append(reinterpret_cast<const char*>(from), unread);
    if (consume) {
        buffer->SkipLine(buffer->Data() + buffer->Length());
        buffer->Compact();
    } else {
        received += '|'; // the next hand-over starts again at the same unread bytes
    }
    return 1;
}

int CRecordingSession::OnTimeout()
{
    calls += "OnTimeout;";
    return timeoutResult;
}

CManagerRig::CManagerRig(RigSession hosted)
{
    ProcessClock().UseSource(&clock);
    if (hosted == RigSession::Sensor)
        m_manager = new CDeviceCommandProcessor;
    else
        m_manager = new CDeviceCommandProcessor([this](CSessionOwner& owner) {
            auto session = std::make_unique<CRecordingSession>(owner);
            m_session = session.get();
            return THostedSession{std::move(session), [] { return TerminalPortParameters{}; }};
        });
    m_manager->SetNotifyTarget(static_cast<TNativeWindow*>(&window), kTimerId, kChannelMessage, kUpdateMessage);
    m_manager->SetChannelFactory(channels);
}

CManagerRig::~CManagerRig()
{
    m_manager.Reset();
    ProcessClock().UseSource(nullptr);
}

CRecordingSession& CManagerRig::session()
{
    if (m_session == nullptr) {
        ADD_FAILURE() << "the rig hosts the sensor session";
        std::abort();
    }
    return *m_session;
}

CKivraProcessor& CManagerRig::sensor()
{
    if (m_manager->GetSession() == nullptr) {
        ADD_FAILURE() << "the rig hosts a recording session";
        std::abort();
    }
    return *m_manager->GetSession();
}

void CManagerRig::Advance(int64_t ms)
{
    clock.AdvanceMilliseconds(ms);
}

void CManagerRig::FireTimer()
{
    ASSERT_TRUE(window.timerArmed);
    Advance(window.timerMs);
    Tick();
}

void CManagerRig::Receive(const std::string& bytes)
{
    // Input that did not fit is offered again, as the channels do, for as long
    // as the manager makes room for it.
    channel().Stage(bytes);
    std::size_t left = bytes.size() + 1;
    while (m_manager->GetConnectionState() != ConnectionState::None && channel().Staged() != 0 && channel().Staged() < left) {
        left = channel().Staged();
        Event(kReadEvent);
    }
}

void CManagerRig::ConnectRelay(uint32_t terminalId)
{
    m_manager->SetConnectionType(ConnectionType::Relay);
    ASSERT_EQ(m_manager->SetTerminalId(terminalId), 1);
    ASSERT_EQ(m_manager->Open(), 1);
    Event(kConnectEvent);
    ASSERT_EQ(channel().TakeSent(), "@CON=" + std::to_string(terminalId) + "\r");
    Receive("@OK\r\n");
    ASSERT_EQ(channel().TakeSent(), "#DEVID?\r");
}

void CManagerRig::IdentifyTerminal(int version)
{
    Receive("#DEVID:3051\r\n#OK\r\n");
    ASSERT_EQ(channel().TakeSent(), "#VER?\r#BRDREV?\r#BRD?\r");
    Receive("#VER:T,1,2," + std::to_string(version) + ",1A4\r\n#OK\r\n#BRDREV:1A4\r\n#OK\r\n#BRD:V10\r\n#OK\r\n");
}
