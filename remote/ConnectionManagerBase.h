// Bottom layer of the connection manager: the channel, the connection state, timer and notifications, relay handshake.
#pragma once

#include "remote/ChannelFactory.h"
#include "remote/ManagerStates.h"
#include "runtime/ConnectionWrapper.h"
#include "runtime/ErrorCodes.h"
#include "runtime/RefCount.h"
#include "runtime/WindowLink.h"

#include <cstdint>
#include <limits>
#include <string>

class CRxBuffer;
class TRegKey1;

// Deadlines are absolute times on NowMilliseconds; this one never comes.
constexpr int64_t kNoDeadline = std::numeric_limits<int64_t>::max();

class CConnectionManagerBase : public CRefCount
{
public:
    ~CConnectionManagerBase() override;

    // Handed over by the main window before any connection is opened.
    void SetNotifyTarget(TWindowHandle window, unsigned timerId, unsigned channelMessage, unsigned updateMessage);
    // Replaces the platform's transports (tests script their own channels).
    void SetChannelFactory(CChannelFactory& factory) { m_channels = &factory; }

    bool LoadSettings(TRegKey1& key);
    void SaveSettings(TRegKey1& key);

    ConnectionType GetConnectionType() const { return m_connectionType; }
    void SetConnectionType(ConnectionType type) { m_connectionType = type; }
    const std::wstring& GetComPort() const { return m_comPort; }
    void SetComPort(const std::wstring& port) { m_comPort = port; }
    uint32_t GetBaudRate() const { return m_baudRate; }
    void SetBaudRate(uint32_t rate) { m_baudRate = rate; }
    // The silence that ends a serial read in milliseconds; 0 (the default) sizes it to the baud rate.
    uint32_t GetReadGap() const { return m_readGapMs; }
    void SetReadGap(uint32_t ms) { m_readGapMs = ms; }
    const std::wstring& GetServerAddress() const { return m_serverAddress; }
    void SetServerAddress(const std::wstring& address) { m_serverAddress = address; }
    uint32_t GetTerminalId() const { return m_terminalId; }
    // 1 stored, 0 unchanged, -1 refused (connected with another id).
    int SetTerminalId(uint32_t id);

    ConnectionState GetConnectionState() const { return m_connectionState; }
    const std::wstring& GetStateText() const { return m_stateText; }

    // Why the last Open failed or the last connection dropped by itself: the system's error code
    // (0 when there was none; runtime/SystemReason.h words it). Cleared by the next Open.
    TErrorCode GetFailureCode() const { return m_failureCode; }
    // The last connection was open and dropped by itself (not by Disconnect or a refusal).
    bool WasConnectionLost() const { return m_connectionLost; }
    // What both front ends tell the engineer about such a drop: the product's
    // words naming the port or server, then the system's reason.
    std::wstring GetConnectionLostText() const;

    // 1 opened (relay: connecting), 0 a channel exists, -1 failed.
    int Open();
    void Disconnect();
    // Forwarded "Conn notify" messages and timer ticks; everything else is ignored.
    void OnWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // Posts are held back while a batch is open, then posted once with the OR of their bits.
    void BeginNotifyBatch();
    void EndNotifyBatch();
    void Notify(uint32_t bits);

protected:
    CConnectionManagerBase();

    virtual int OnConnected();
    virtual void OnDisconnected();
    // Lowers time to the earliest deadline this layer waits for.
    virtual void GetNextDeadline(int64_t& time);
    virtual int OnTimer();
    virtual int OnData();
    // The channel's input is read as lines (not as sensor bytes) in the current state.
    virtual bool IsReadingLines() const;

    void SetConnectionState(ConnectionState state);
    void SetDeviceName(const std::wstring& name) { m_deviceName = name; }
    CConnectionWrapper* Connection() const { return m_connection.Get(); }
    // The active channel's kind, 0 without one.
    int ActiveChannelKind() const;

    int SendConnectRequest();
    int ClassifyServerLine(CRxBuffer& buffer);
    int OnConnectReply(CRxBuffer& buffer);

private:
    int HandleChannelEvent(std::intptr_t lParam);
    // Keeps the channel's reason before a failure drops it.
    void NoteChannelFailure(bool wasOpen);
    int RunRelayLines();
    // Sets the timer for the earliest deadline; after an event (not a tick) only when that moved.
    void RearmTimer(bool ticked);

    TWindowHandle m_notifyWindow = nullptr;
    unsigned m_timerId = 0;
    // The deadline the timer is set to fire at; kNoDeadline when it was set to a clamped delay.
    int64_t m_armedDeadline = kNoDeadline;
    unsigned m_channelMessage = 0;
    unsigned m_updateMessage = 0;
    int m_notifyDepth = 0;
    uint32_t m_pendingBits = 0;
    ConnectionState m_connectionState = ConnectionState::None;
    std::wstring m_stateText;
    std::wstring m_deviceName;
    CRefPtr<CConnectionWrapper> m_connection;
    TErrorCode m_failureCode = 0;
    bool m_connectionLost = false;
    ConnectionType m_connectionType = ConnectionType::Sensor;
    std::wstring m_serverAddress = L"localhost:50010";
    std::wstring m_comPort = L"COM1";
    uint32_t m_baudRate = 19200;
    uint32_t m_readGapMs = 0;
    uint32_t m_terminalId = 0;
    int64_t m_relayDeadline = kNoDeadline;
    CChannelFactory* m_channels;
};

// Opens a notification batch for the life of a scope.
class CNotifyBatch
{
public:
    explicit CNotifyBatch(CConnectionManagerBase& manager) : m_manager(manager) { m_manager.BeginNotifyBatch(); }
    ~CNotifyBatch() { m_manager.EndNotifyBatch(); }
    CNotifyBatch(const CNotifyBatch&) = delete;
    CNotifyBatch& operator=(const CNotifyBatch&) = delete;

private:
    CConnectionManagerBase& m_manager;
};
