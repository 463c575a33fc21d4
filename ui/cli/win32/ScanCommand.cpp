// scan: the identification request at every address and baud rate of a COM port, and a settings read of each sensor found.
#include "ui/cli/win32/Commands.h"

#include "protocol/RequestFrame.h"
#include "remote/ConnectionTexts.h"
#include "remote/DeviceCommandProcessor.h"
#include "runtime/ProcessClock.h"
#include "ui/app/ConnectionSettings.h"
#include "ui/app/win32/SystemComPorts.h"
#include "ui/cli/CliText.h"
#include "ui/cli/MessageLine.h"
#include "ui/cli/ScanPlan.h"
#include "ui/cli/ScanProbe.h"
#include "ui/cli/ScanReport.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/Interruption.h"
#include "ui/cli/win32/ScanLine.h"
#include "ui/resources/cli_ids.h"
#include "ui/resources/resource.h"

#include <set>
#include <utility>

namespace {

constexpr uint32_t kScanBauds[] = {19200, 9600, 4800};
constexpr uint32_t kDefaultBaud = 19200;

// Without --port, the port the other commands would take: the stored one, else the list's choice.
std::wstring StartPort(const CliArguments& arguments)
{
    if (!arguments.port.empty())
        return arguments.port;
    CRefPtr<CDeviceCommandProcessor> manager(new CDeviceCommandProcessor);
    ChooseStartSettings(*manager, TheComPorts());
    return manager->GetComPort();
}

class CScan
{
public:
    CScan(const CliArguments& arguments, CConsoleOutput& output, std::wstring port)
        : m_arguments(arguments), m_output(output), m_port(std::move(port))
    {
    }

    ExitCode Run(const CScanSchedule& schedule)
    {
        const int64_t started = NowMilliseconds();
        std::size_t i = 0;
        for (; i < schedule.Count(); ++i) {
            const uint32_t baud = schedule.BaudAt(i);
            if (schedule.StartsBaud(i)) {
                if (!m_line.Open(m_port, baud))
                    return Fail(ExitCode::PortUnavailable, IDS_CONNECT_FAILED);
                Tell(CliText(IDS_CLI_SCAN_START, {m_port, std::to_wstring(baud), AddressRangeText(m_arguments.addresses)}));
            }
            if (m_output.OutIsConsole())
                m_output.Redraw(ScanProgressText(baud, schedule.AddressAt(i), m_found.size(), schedule.MillisecondsLeft(i)));
            const CScanLine::Result result = Probe(baud, schedule.AddressAt(i), schedule.WaitMs(i));
            if (result == CScanLine::Result::Interrupted)
                break;
            if (result == CScanLine::Result::Lost)
                return Fail(ExitCode::ConnectionLost, 0);
        }
        m_line.Close();
        m_output.Done();
        const std::wstring elapsed = SecondsText(NowMilliseconds() - started);
        const std::wstring count = std::to_wstring(m_found.size());
        if (i < schedule.Count()) {
            m_output.Err(L"kivra-cli: " + CliText(IDS_CLI_SCAN_INTERRUPTED, {std::to_wstring(schedule.BaudAt(i)),
                                                                             std::to_wstring(schedule.AddressAt(i)),
                                                                             count}));
            return ExitCode::Interrupted;
        }
        if (m_found.empty()) {
            m_output.Err(L"kivra-cli: " + CliText(IDS_CLI_SCAN_NONE, {elapsed}));
            return ExitCode::NoSensorFound;
        }
        Tell(CliText(IDS_CLI_SCAN_SUMMARY, {count, elapsed}));
        return ExitCode::Ok;
    }

private:
    CScanLine::Result Probe(uint32_t baud, uint8_t address, unsigned waitMs)
    {
        CRequestFrame request;
        request.BuildReadIdentification(address);
        std::vector<uint8_t> received;
        CScanLine::Result result = m_line.Exchange(request, waitMs, received);
        if (result != CScanLine::Result::Done)
            return result;
        const ProbeOutcome outcome = ClassifyProbe(received.data(), static_cast<unsigned>(received.size()), address);
        if (outcome.verdict == ProbeVerdict::Collided || outcome.verdict == ProbeVerdict::Damaged)
            m_output.Out(m_arguments.json ? ProbeProblemJson(m_port, baud, address, outcome.verdict)
                                          : ProbeProblemLine(m_port, baud, address, outcome.verdict));
        for (const ProbeAnswer& answer : outcome.answers) {
            if (!m_found.insert({baud, answer.address}).second)
                continue;
            FoundSensor sensor{m_port, baud, answer.address, answer.identification};
            result = ReadSerialNumber(sensor);
            if (result == CScanLine::Result::Lost)
                return result;
            m_output.Out(m_arguments.json ? FoundSensorJson(sensor) : FoundSensorLine(sensor));
            if (result == CScanLine::Result::Interrupted)
                return result;
        }
        return CScanLine::Result::Done;
    }

    CScanLine::Result ReadSerialNumber(FoundSensor& sensor)
    {
        CRequestFrame request;
        request.BuildReadSettings(sensor.address);
        std::vector<uint8_t> received;
        const CScanLine::Result result = m_line.Exchange(request, SettingsReadWaitMs(sensor.baud), received);
        if (result == CScanLine::Result::Done)
            sensor.settingsRead = FindSettingsAnswer(received.data(), static_cast<unsigned>(received.size()),
                                                     sensor.address, sensor.serialNumber);
        return result;
    }

    // What the engineer reads beside the list: on standard output, or standard error under --json.
    void Tell(const std::wstring& line)
    {
        if (m_arguments.json)
            m_output.Err(line);
        else
            m_output.Out(line);
    }

    // The port's failure with the product's message (or the lost-connection text) and the system's reason.
    ExitCode Fail(ExitCode code, unsigned messageId)
    {
        m_output.Done();
        const std::wstring reason = m_line.FailureCode() != 0 ? SystemReasonText(m_line.FailureCode()) : L"";
        std::wstring message;
        if (messageId != 0) {
            message = CliText(messageId, {m_port});
            message = MessageLine(reason.empty() ? message : message + L"\r\n" + reason);
        } else {
            message = MessageLine(ConnectionLostText(m_port, reason));
        }
        m_output.Err(L"kivra-cli: " + message);
        return code;
    }

    const CliArguments& m_arguments;
    CConsoleOutput& m_output;
    std::wstring m_port;
    CScanLine m_line;
    std::set<std::pair<uint32_t, uint8_t>> m_found;
};

}  // namespace

ExitCode RunScan(const CliArguments& arguments, CCommandRun& run)
{
    CatchInterruption();
    std::vector<uint32_t> bauds;
    if (arguments.allBauds)
        bauds.assign(std::begin(kScanBauds), std::end(kScanBauds));
    else
        bauds.push_back(arguments.baud ? arguments.baud : kDefaultBaud);
    const CScanSchedule schedule(bauds, ScanAddressOrder(arguments.addresses));
    CScan scan(arguments, run.Output(), StartPort(arguments));
    return scan.Run(schedule);
}
