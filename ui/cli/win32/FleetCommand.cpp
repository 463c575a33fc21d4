// fleet info, backup, apply and firmware: the list and the command's file checked once, then the
// vehicles worked through, the report and the summary.
#include "ui/cli/win32/Commands.h"

#include "protocol/FirmwareFile.h"
#include "runtime/ProcessClock.h"
#include "ui/app/SettingsDocument.h"
#include "ui/app/win32/TextFile.h"
#include "runtime/OsHandle.h"
#include "runtime/SystemReason.h"
#include "ui/cli/CliText.h"
#include "ui/cli/FleetFile.h"
#include "ui/cli/FleetReport.h"
#include "ui/cli/FleetTally.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/FleetRunner.h"
#include "ui/cli/win32/Interruption.h"
#include "ui/resources/cli_ids.h"

#include <windows.h>

namespace {

// kivra-cli's line for a file it cannot read or write, with the reason of the failure just seen
// (taken before the message is loaded).
std::wstring FileLine(unsigned messageId, const std::wstring& path)
{
    const TErrorCode error = OsLastError();
    return WithSystemReason(CliText(messageId, {path}), error, ReasonPlacement::SameLine);
}

ExitCode Fail(CConsoleOutput& output, ExitCode code, const std::wstring& message)
{
    output.Err(L"kivra-cli: " + message);
    return code;
}

ExitCode FailEach(CConsoleOutput& output, ExitCode code, const std::wstring& file, const std::vector<std::wstring>& errors)
{
    for (const std::wstring& error : errors)
        output.Err(L"kivra-cli: " + file + L": " + error);
    return Fail(output, code, CliText(IDS_CLI_FLEET_NOTHING_STARTED));
}

// The command's own file or folder, checked before any vehicle is started.
ExitCode CheckOperand(FleetCommandKind kind, const std::wstring& operand, CConsoleOutput& output)
{
    switch (kind) {
    case FleetCommandKind::Info: return ExitCode::Ok;
    case FleetCommandKind::Backup:
        if (CreateDirectoryW(operand.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
            return ExitCode::Ok;
        return Fail(output, ExitCode::FileError, FileLine(IDS_CLI_CANNOT_WRITE, operand));
    case FleetCommandKind::Apply: {
        std::wstring text;
        if (!ReadTextFile(operand, text))
            return Fail(output, ExitCode::FileError, FileLine(IDS_CLI_CANNOT_READ, operand));
        // Each key's form once for all; the rules that depend on a sensor's firmware are checked on each.
        SettingsTexts texts;
        std::vector<std::wstring> errors;
        if (!ApplySettingsDocument(text, {false, false}, texts, errors)) {
            for (std::wstring& error : errors)
                error = CliText(IDS_CLI_INVALID_VALUE, {error});
            return FailEach(output, ExitCode::InvalidValue, operand, errors);
        }
        return ExitCode::Ok;
    }
    case FleetCommandKind::Firmware: {
        CRefPtr<CFirmwareFile> image;
        std::wstring why;
        if (!LoadFirmwareImage(operand, image, why))
            return Fail(output, ExitCode::BadFirmwareFile, why);
        return ExitCode::Ok;
    }
    }
    return ExitCode::Ok;
}

FleetCommandKind KindOf(const std::wstring& word)
{
    return word == L"backup"  ? FleetCommandKind::Backup
           : word == L"apply" ? FleetCommandKind::Apply
           : word == L"firmware" ? FleetCommandKind::Firmware
                                 : FleetCommandKind::Info;
}

}  // namespace

ExitCode RunFleet(const CliArguments& arguments, CCommandRun& run)
{
    CConsoleOutput& output = run.Output();
    CatchInterruption();
    const int64_t started = NowMilliseconds();
    const std::wstring& listPath = arguments.operands[1];
    std::wstring text;
    if (!ReadTextFile(listPath, text))
        return Fail(output, ExitCode::FileError, FileLine(IDS_CLI_CANNOT_READ, listPath));
    std::vector<FleetVehicle> vehicles;
    std::vector<std::wstring> errors;
    if (!ReadFleetText(text, vehicles, errors))
        return FailEach(output, ExitCode::InvalidValue, listPath, errors);
    std::vector<FleetRecord> earlier;
    if (!arguments.resume.empty()) {
        std::wstring error;
        if (!ReadTextFile(arguments.resume, text))
            return Fail(output, ExitCode::FileError, FileLine(IDS_CLI_CANNOT_READ, arguments.resume));
        if (!ReadFleetReport(text, earlier, error))
            return FailEach(output, ExitCode::InvalidValue, arguments.resume, {error});
    }
    FleetTask task;
    task.kind = KindOf(arguments.operands[0]);
    task.operand = arguments.operands.size() > 2 ? arguments.operands[2] : std::wstring();
    task.options = arguments;
    const ExitCode checked = CheckOperand(task.kind, task.operand, output);
    if (checked != ExitCode::Ok)
        return checked;

    const std::vector<FleetRecord> records = RunFleet(task, {arguments.jobs, arguments.retries}, vehicles, earlier, output);
    CFleetTally tally(static_cast<unsigned>(records.size()));
    for (const FleetRecord& record : records)
        tally.Settled(record.outcome);
    ExitCode code = Interrupted() ? ExitCode::Interrupted : tally.AllDone() ? ExitCode::Ok : ExitCode::FleetIncomplete;
    if (!arguments.report.empty() &&
        !WriteTextFile(arguments.report, FleetReportText(records, FleetReportFormOf(arguments.report)))) {
        Fail(output, ExitCode::FileError, FileLine(IDS_CLI_CANNOT_WRITE, arguments.report));
        code = ExitCode::FileError;
    }
    output.Out(tally.SummaryText(L"fleet " + arguments.operands[0], NowMilliseconds() - started));
    return code;
}
