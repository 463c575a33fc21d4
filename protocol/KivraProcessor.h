// The sensor session: identifies, polls, configures and updates one sensor over the manager's channel.
#pragma once

#include <cstdint>

#include "protocol/DataLogMode.h"
#include "protocol/FirmwareFile.h"
#include "protocol/FrameScannerOwner.h"
#include "protocol/ReportFile.h"
#include "protocol/SensorRecords.h"
#include "protocol/SessionStatus.h"
#include "protocol/TransparentProcessor.h"
#include "runtime/RefCount.h"

class CRequestFrame;
class CSessionOwner;
class CUserPrompt;

// How the session reaches the sensor; the main window sets it, an unsupported sensor clears it.
enum ELinkKind : uint32_t { LinkNoPolling = 0, LinkDirect = 1, LinkRelay = 2 };

// Parameters the manager sends when it asks the on-board terminal to open its serial port.
struct TerminalPortParameters
{
    uint32_t port = 2;
    uint32_t baudRate = 19200;
    uint32_t shortTime = 30;
    uint32_t longTime = 300;  // the manager sends it multiplied by 1000
};

// Record flags: which records hold data received since the last reset.
namespace RecordFlag
{
constexpr uint32_t Settings = 0x2;
constexpr uint32_t Identification = 0x4;
constexpr uint32_t LlsData = 0x8;
constexpr uint32_t DataSubcode(int subcode) { return 0x10u << subcode; }
}

class CKivraProcessor : public CTransparentProcessor, private CFrameScannerOwner
{
public:
    // The states of the machine: the request outstanding, or the pause running.
    enum RequestType : int {
        ReqIdentify = 1,
        ReqIdentifyForUpdate = 2,
        ReqReadSettings = 6,
        ReqWriteSettings = 7,
        ReqReadBack = 8,
        ReqWriteAddress = 9,
        ReqReadBackAddress = 10,
        ReqTest = 11,
        ReqZeroSetup = 14,       // data subcode 2
        ReqDiagnostics = 15,     // data subcode 3
        ReqPollShort = 16,       // data subcodes 4 to 7: the polling requests
        ReqPollFull = 17,
        ReqPollOutputs = 18,
        ReqPollMagnets = 19,
        ReqDownloadStatus = 20,
        ReqFirmwareBlock = 21,
        ReqActivate = 22,
        ReqRestart = 23,
        ReqPauseAfterUpdate = 24,
        ReqPauseUpToDate = 25,
        ReqPollPause = 28,
        ReqIdle = 29,
    };

    // Largest firmware block a request can carry, and the limit assumed when the sensor gives none.
    static constexpr uint32_t kMaxFirmwareBlock = 243;
    static constexpr uint32_t kDefaultBlockLimit = 128;

    explicit CKivraProcessor(CSessionOwner& owner);
    ~CKivraProcessor() override;

    // Driven by the manager.
    void Reset() override;
    int Start() override;
    int Stop() override;
    int OnReceive() override;
    int OnTimeout() override;

    // User operations (interface thread).
    bool IsReady() const;
    bool IsSettingsWritable() const;
    void ReadSettings();
    bool WriteSettings();
    void SetZero();
    void ReadDiagnostics();
    void SendTest();
    // Takes a reference to a loaded image; false (and the image not kept) when not ready.
    bool StartFirmwareUpdate(CFirmwareFile* image);
    // A log that cannot be opened, or that stops because a row cannot be written, is told
    // through the user prompt.
    void SetDataLog(DataLogMode mode);
    void EvaluateSettings();
    // index 1..255 selects address index - 1, anything else the common address 255.
    bool SetSensorAddress(int index);
    int GetAddressIndex() const;
    int GetFirmwareProgress() const;

    // Settings of the windows.
    ELinkKind GetLinkKind() const { return m_linkKind; }
    void SetLinkKind(ELinkKind kind) { m_linkKind = kind; }
    bool IsFastPolling() const { return m_fastPolling; }
    void SetFastPolling(bool on) { m_fastPolling = on; }
    uint32_t GetTestValue() const { return m_testValue; }
    void SetTestValue(uint32_t value) { m_testValue = value; }
    // Where the session tells the user what the status texts alone cannot (why an image file
    // could not be read); none: the status text only. It is called while the manager handles
    // an event, so it must not run a message loop of its own there.
    void SetUserPrompt(CUserPrompt* prompt) { m_prompt = prompt; }
    // The connection dialog sets the terminal's port number and baud rate; the times are fixed.
    const TerminalPortParameters& GetTerminalPortParameters() const { return m_terminalPort; }
    void SetTerminalPort(uint32_t port, uint32_t baudRate)
    {
        m_terminalPort.port = port;
        m_terminalPort.baudRate = baudRate;
    }

    // What the windows read.
    SensorRecords& Records() { return m_records; }
    const SensorRecords& Records() const { return m_records; }
    const CSessionStatus& Status() const { return m_status; }
    uint32_t GetRecordFlags() const { return m_recordFlags; }
    uint8_t GetSensorAddress() const { return m_address; }
    bool IsDataLogOpen() const { return bool(m_dataLog); }
    // The file the rows go to; empty while no log is open.
    const wchar_t* GetDataLogPath() const;
    // Its size when it was opened, where this log's rows begin; -1 when the log created it.
    int64_t GetDataLogStart() const { return m_dataLog ? m_dataLogStart : -1; }
    bool IsFullData() const { return m_fullData; }
    int GetRequestType() const { return m_requestType; }
    // 0 none yet, 1 accepted, 2 refused.
    int GetLastAcknowledge() const { return m_lastAcknowledge; }
    uint32_t GetBlockLimit() const { return m_blockLimit; }
    const CFirmwareFile* GetFirmwareImage() const { return m_image.Get(); }

private:
    // Answers handed on by the frame scanner.
    void TraceFrame(int direction, unsigned length, const uint8_t* bytes) override;
    void OnAcknowledge(uint8_t status) override;
    void OnIdentification(const uint8_t* record) override;
    void OnDownloadStatus(const uint8_t* record) override;
    void OnDataAnswer(uint8_t subcode, const uint8_t* record, unsigned length) override;
    void OnSettings(const uint8_t* block) override;
    void OnLlsData(int8_t temperature, uint16_t parameter1, uint16_t parameter2) override;

    void Issue(int type);
    // Builds the type's frame and applies its effects; false when the type sends nothing.
    bool Prepare(int type, CRequestFrame& frame);
    // The next block of the image; an empty block when nothing is left. False when the image
    // file cannot be read.
    bool PrepareFirmwareBlock(CRequestFrame& frame);
    // Ends an update whose image file failed to deliver a block, and goes back to polling.
    void AbandonUnreadableImage();
    int32_t TimerOf(int type) const;
    int PollingType() const;
    // Issues the polling pause, or idles when polling is off.
    void IssuePauseOrIdle();
    // A verdict on an exchange: the sensor answered, the next request goes out.
    void Continue(int type);
    void SetRecordFlag(uint32_t bit, bool on);
    void WriteDataLogRow(int subcode);
    void CloseDataLog();
    bool IsPolling() const { return m_linkKind >= LinkDirect; }

    CSessionOwner& m_owner;
    CSessionStatus m_status;
    SensorRecords m_records;
    TerminalPortParameters m_terminalPort;
    int64_t m_linkTimestamp = 0;
    uint32_t m_recordFlags = 0;
    ELinkKind m_linkKind = LinkDirect;
    bool m_fastPolling = false;
    bool m_fullData = false;
    CRefPtr<CReportFile> m_dataLog;
    int64_t m_dataLogStart = -1;
    uint32_t m_testValue = 0;
    uint8_t m_address = 255;
    int m_lastAcknowledge = 0;
    int m_requestType = ReqIdle;
    CRefPtr<CFirmwareFile> m_image;
    CUserPrompt* m_prompt = nullptr;
    uint32_t m_blockLimit = kDefaultBlockLimit;
    uint32_t m_lastBlockLength = 0;
};
