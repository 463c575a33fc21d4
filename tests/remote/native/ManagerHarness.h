// Scripted surroundings of the connection manager: window, channels, session and clock under test control.
#pragma once

#include "protocol/SessionOwner.h"
#include "protocol/TransparentProcessor.h"
#include "remote/ChannelFactory.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/RxBuffer.h"
#include "runtime/ConnectionWrapper.h"
#include "runtime/ProcessClock.h"
#include "runtime/SettableClockSource.h"
#include "runtime/native/NativeWindow.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CKivraProcessor;

constexpr unsigned kChannelMessage = 0xC001;
constexpr unsigned kUpdateMessage = 0xC002;
constexpr unsigned kTimerId = 1;

// Channel events as the socket layer and the serial channel report them.
constexpr std::intptr_t kReadEvent = 0x01;
constexpr std::intptr_t kWriteEvent = 0x02;
constexpr std::intptr_t kConnectEvent = 0x10;
constexpr std::intptr_t kCloseEvent = 0x20;

// Collects what the manager posts and the timer it arms.
class CFakeWindow : public TNativeWindow
{
public:
    bool OnPost(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void OnSetTimer(std::uintptr_t id, unsigned milliseconds) override;

    // Bits of every "Updt notify" posted since the last call, one entry per post.
    std::vector<uint32_t> TakePosts();

    std::vector<std::uintptr_t> foreignTimerIds;
    unsigned timerMs = 0;
    bool timerArmed = false;
    unsigned timerSets = 0;
    std::vector<uint32_t> posts;
};

// A byte channel whose far end is the test: bytes it is sent are collected,
// bytes it receives are staged by the test and handed over on a read event.
class CScriptedChannel : public CConnectionWrapper
{
public:
    CScriptedChannel(int kind, bool connected) : CConnectionWrapper(kind), m_connected(connected) {}
    ~CScriptedChannel() override;

    int Write(const uint8_t* bytes, uint32_t length, uint32_t& accepted) override;
    intptr_t GetHandle() override { return 7; }
    bool IsConnected() override { return m_connected; }
    void Close() override { m_connected = false; }
    int OnEvent(int code) override;
    CRxBuffer& GetRxBuffer() override { return m_rx; }

    // Everything written so far, and cleared.
    std::string TakeSent();
    void Stage(const std::string& bytes) { m_staged += bytes; }
    std::size_t Staged() const { return m_staged.size(); }
    // How many bytes a Write accepts from now on; 0 = would block, -1 = failure.
    void SetWriteLimit(int limit) { m_writeLimit = limit; }
    // The system's error the transport reports when it fails (on a close event).
    void FailWith(TErrorCode code) { SetFailureCode(code); }

    static int liveChannels;

private:
    bool m_connected;
    int m_writeLimit = 1 << 20;
    std::string m_sent;
    std::string m_staged;
    CRxBuffer m_rx;
};

// Hands the manager scripted channels and remembers the open requests.
class CScriptedChannels : public CChannelFactory
{
public:
    int OpenSerial(const std::wstring& port, uint32_t baudRate, uint32_t readGapMs, TWindowHandle window,
                   unsigned message, CRefPtr<CConnectionWrapper>& channel) override;
    int ConnectRelay(const std::wstring& address, TWindowHandle window, unsigned message, unsigned events,
                     CRefPtr<CConnectionWrapper>& channel) override;

    int result = 1;           // what the next open reports
    TErrorCode failure = 0;   // the system's error a failing open leaves in its channel
    bool connectAtOnce = false; // relay: connected before any connect event
    std::wstring lastTarget;  // port or address of the last open
    uint32_t lastReadGap = ~0u; // the read gap setting of the last serial open
    unsigned lastEvents = 0;
    CScriptedChannel* last = nullptr;
    std::function<void()> onOpen; // runs as the manager asks for a channel
};

// A hosted session that records what the manager asks of it and reads the
// bytes it is handed only when told to.
class CRecordingSession : public CTransparentProcessor
{
public:
    explicit CRecordingSession(CSessionOwner& owner) : m_owner(owner) {}

    void Reset() override { calls += "Reset;"; }
    int Start() override;
    int Stop() override;
    int OnReceive() override;
    int OnTimeout() override;

    std::string calls;
    std::string received;      // bytes seen on OnReceive, in order
    bool consume = true;       // read the bytes handed over (else leave them unread)
    bool partialDataOnStart = true;
    int timeoutResult = 0;

private:
    CSessionOwner& m_owner;
};

// Which session the rig's manager hosts.
enum class RigSession { Recording, Sensor };

// Clock, window and channels wired to one manager hosting a CRecordingSession, or the sensor session.
class CManagerRig
{
public:
    explicit CManagerRig(RigSession hosted = RigSession::Recording);
    ~CManagerRig();

    CDeviceCommandProcessor& manager() { return *m_manager; }
    // The hosted session of the kind asked for at construction.
    CRecordingSession& session();
    CKivraProcessor& sensor();
    CScriptedChannel& channel() { return *channels.last; }

    void Advance(int64_t ms);
    // Lets the clock run to the armed timer and delivers the tick.
    void FireTimer();
    void Tick() { m_manager->OnWindowMessage(kTimerMessage, kTimerId, 0); }
    void Event(std::intptr_t lParam) { m_manager->OnWindowMessage(kChannelMessage, 0, lParam); }
    void Receive(const std::string& bytes);

    // Drives a relay connection up to the point where the server said "@OK" and
    // the terminal was asked for its id.
    void ConnectRelay(uint32_t terminalId = 42);
    // Answers the identification phases with a terminal of the given version.
    void IdentifyTerminal(int version);

    CFakeWindow window;
    CScriptedChannels channels;
    TSettableClockSource clock{static_cast<uint64_t>(13000000000000) * 10000};

private:
    CRefPtr<CDeviceCommandProcessor> m_manager;
    CRecordingSession* m_session = nullptr;
};
