// One run's way to the sensor: the manager and session configured from the command line, the message pump, and the failure verdicts.
#pragma once

#include "runtime/ResourceLog.h"
#include "ui/cli/CliArguments.h"
#include "ui/cli/ExitCode.h"
#include "ui/cli/LinkVerdict.h"
#include "ui/cli/win32/MessageWindow.h"

#include <cstdint>
#include <functional>
#include <string>

class CConsoleOutput;
class CDeviceCommandProcessor;
class CKivraProcessor;

class CSensorLink
{
public:
    CSensorLink(const CliArguments& arguments, CConsoleOutput& output);
    ~CSensorLink();
    CSensorLink(const CSensorLink&) = delete;
    CSensorLink& operator=(const CSensorLink&) = delete;

    // Opens the link and waits until the supported sensor has answered with its settings.
    ExitCode Connect();

    // Pumps messages until done() holds (checked after every update), the link fails,
    // the sensor stays silent for the time-out, or Ctrl+C is pressed. Failures are reported here.
    ExitCode WaitFor(const std::function<bool()>& done);

    // Where a wait may end after Ctrl+C: without one it ends at once; with one it goes on, on
    // every update, until safe() holds (a fleet run lets a write reach its verdict and a
    // firmware download the end of its block).
    void SetStopPoint(std::function<bool()> safe) { m_stopPoint = std::move(safe); }

    // What the sensor said of itself when the link first became ready (a firmware update
    // changes the session's records later).
    const std::wstring& FirmwareAtReady() const { return m_firmwareAtReady; }
    const std::wstring& SerialAtReady() const { return m_serialAtReady; }

    // Called with the change bits of every update, before done() is asked.
    void OnEveryUpdate(std::function<void(unsigned bits)> hook) { m_hook = std::move(hook); }

    // Prints "kivra-cli: message" on standard error and hands the code back.
    ExitCode Fail(ExitCode code, const std::wstring& message);

    CKivraProcessor& Session();
    CConsoleOutput& Output() { return m_output; }
    bool IsRelay() const { return !m_arguments.relay.empty(); }

    // Connection state text with the status suffix, as the connection dialog shows them.
    std::wstring ConnectionText() const;

private:
    // The product's message (its "%s" the port or server), then the manager's system reason.
    std::wstring WithReason(unsigned messageId, const std::wstring& where) const;
    void Configure();
    void OnUpdate(unsigned bits);
    // Takes in what the manager and the session show now.
    void Watch(unsigned bits);
    LinkSnapshot Snapshot(unsigned bits) const;
    ExitCode Report(LinkVerdict verdict);
    // The sensor answered since the last look: the silence time-out starts again.
    bool SensorAnswering() const;

    const CliArguments& m_arguments;
    CConsoleOutput& m_output;
    CMessageWindow m_window;
    CDeviceCommandProcessor* m_manager;
    CLinkWatch m_watch;
    LinkVerdict m_verdict = LinkVerdict::Pending;
    std::function<void(unsigned)> m_hook;
    std::function<bool()> m_stopPoint;
    std::wstring m_firmwareAtReady;
    std::wstring m_serialAtReady;
    int64_t m_timeoutMs;
    void* m_trace = nullptr;  // file handle of --trace, or null
    uint32_t m_traceError = 0;  // why --trace could not be opened
    // Declared last: its final sample is taken after the link is closed.
    CResourceLog m_resourceLog;
    bool m_resourcesOpen;
    uint32_t m_resourcesError;  // why --resources could not be opened, kept until the run can say it
};
