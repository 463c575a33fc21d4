// One try of a fleet command on one vehicle, through the single commands' own code.
#include "ui/cli/win32/FleetWork.h"

#include "protocol/FirmwareFile.h"
#include "protocol/KivraProcessor.h"
#include "ui/app/SettingsKeys.h"
#include "ui/app/SettingsProfile.h"
#include "ui/app/win32/TextFile.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/Commands.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/resources/cli_ids.h"

#include <windows.h>

#include <optional>

namespace {

const std::wstring kOwnPrefix = L"kivra-cli: ";
// A sensor's restart into a new image takes about a second; this leaves it room.
constexpr DWORD kRestartSettleMs = 3000;

std::wstring Joined(const std::vector<std::wstring>& lines, const wchar_t* between)
{
    std::wstring text;
    for (std::wstring line : lines) {
        if (line.compare(0, kOwnPrefix.size(), kOwnPrefix) == 0)
            line.erase(0, kOwnPrefix.size());
        text += (text.empty() ? L"" : between) + line;
    }
    return text;
}

CliArguments LinkArguments(const FleetTask& task, const FleetVehicle& vehicle)
{
    CliArguments a = task.options;
    a.terminal = vehicle.terminal;
    a.terminalPort = vehicle.terminalPort;
    a.terminalBaud = vehicle.terminalBaud;
    a.address = vehicle.address;
    if (a.timeout <= 0)
        a.timeout = kFleetLinkTimeoutSeconds;
    return a;
}

// Failures that another try cannot mend: the same file, value or model would meet the same end.
bool WorthAnotherTry(ExitCode code)
{
    switch (code) {
    case ExitCode::InvalidValue:
    case ExitCode::BadFirmwareFile:
    case ExitCode::FileError:
    case ExitCode::UnsupportedModel:
    case ExitCode::Interrupted: return false;
    default: return true;
    }
}

// The sensor's settings as read back after the import: the profile over them must change nothing.
ExitCode CheckReadBack(const std::wstring& profile, CSensorLink& link)
{
    const SensorRecords& records = link.Session().Records();
    std::wstring text;
    if (!ReadTextFile(profile, text))
        return link.Fail(ExitCode::FileError, CliText(IDS_CLI_CANNOT_READ, {profile}));
    SettingsTexts expected;
    std::vector<std::wstring> errors;
    if (!ImportSettingsProfile(text, {false, false}, records, expected, errors))
        return link.Fail(ExitCode::WriteRejected, CliText(IDS_CLI_FLEET_READ_BACK_DIFFERS, {errors.front()}));
    std::wstring keys;
    for (const SettingsKey* key : ChangedSettingsKeys(expected, records.settingsTexts))
        keys += (keys.empty() ? L"" : L", ") + std::wstring(key->name);
    if (!keys.empty())
        return link.Fail(ExitCode::WriteRejected, CliText(IDS_CLI_FLEET_READ_BACK_DIFFERS, {keys}));
    return ExitCode::Ok;
}

ExitCode Info(CliArguments a, CCommandRun& run)
{
    ExitCode code = run.Link().Connect();
    if (code != ExitCode::Ok)
        return code;
    a.command = L"info";
    return RunInfo(a, run);
}

ExitCode Backup(CliArguments a, const std::wstring& folder, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    ExitCode code = link.Connect();
    if (code != ExitCode::Ok)
        return code;
    a.command = L"settings";
    const std::wstring name = std::to_wstring(a.terminal) + L"-" + link.SerialAtReady() + L".json";
    a.operands = {L"export", folder.empty() || folder.back() == L'\\' || folder.back() == L'/' ? folder + name
                                                                                                : folder + L"\\" + name};
    return RunSettings(a, run);
}

ExitCode Apply(CliArguments a, const std::wstring& profile, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    // A write that is out waits for its verdict; before it, or after it, stopping is safe.
    link.SetStopPoint([&link] { return link.Session().Status().GetSettings() != CSessionStatus::SettingsModified; });
    ExitCode code = link.Connect();
    if (code != ExitCode::Ok)
        return code;
    a.command = L"settings";
    a.operands = {L"import", profile};
    a.includeSerial = false;
    a.includeAddress = false;
    code = RunSettings(a, run);
    return code == ExitCode::Ok ? CheckReadBack(profile, link) : code;
}

ExitCode Firmware(CliArguments a, const std::wstring& image, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    // A block that is out waits for its acknowledge: the sensor's count then says where the next run
    // goes on. A whole image goes on to its activation and restart, rather than lie on the sensor unused.
    std::optional<uint32_t> positionAtStop;
    link.SetStopPoint([&link, positionAtStop]() mutable {
        const CFirmwareFile* file = link.Session().GetFirmwareImage();
        const int status = link.Session().Status().GetFirmware();
        if (status == CSessionStatus::FirmwareActivating)
            return false;
        if (!file || status != CSessionStatus::FirmwareDownloading)
            return true;
        if (!positionAtStop)
            positionAtStop = file->Position();
        return file->Position() != *positionAtStop;
    });
    a.command = L"firmware";
    a.operands = {image};
    const ExitCode code = RunFirmware(a, run);
    const CFirmwareFile* file = link.Session().GetFirmwareImage();
    if (code == ExitCode::Interrupted && file)
        link.Output().Err(CliText(IDS_CLI_FLEET_STOPPED_AT, {std::to_wstring(file->Position()), std::to_wstring(file->Size())}));
    return code;
}

}  // namespace

FleetTryResult RunFleetTry(const FleetTask& task, const FleetVehicle& vehicle)
{
    const CliArguments arguments = LinkArguments(task, vehicle);
    CConsoleOutput kept{CConsoleOutput::Kept{}};
    FleetTryResult result;
    {
        CCommandRun run(arguments, kept);
        CSensorLink& link = run.Link();
        switch (task.kind) {
        case FleetCommandKind::Info: result.code = Info(arguments, run); break;
        case FleetCommandKind::Backup: result.code = Backup(arguments, task.operand, run); break;
        case FleetCommandKind::Apply: result.code = Apply(arguments, task.operand, run); break;
        case FleetCommandKind::Firmware: result.code = Firmware(arguments, task.operand, run); break;
        }
        result.serialNumber = link.SerialAtReady();
        result.firmwareBefore = link.FirmwareAtReady();
        result.firmwareAfter = result.firmwareBefore;
    }
    if (task.kind == FleetCommandKind::Firmware && result.code == ExitCode::Ok) {
        // The sensor found again after its restart, running the image: that is the update's read-back.
        // Asked while it still starts, it misses the first request, which the session repeats only
        // after its response time.
        Sleep(kRestartSettleMs);
        CSensorLink again(arguments, kept);
        again.SetStopPoint([] { return false; });  // a read, and the only word on whether the update took
        result.code = again.Connect();
        result.firmwareAfter = again.FirmwareAtReady();
    }
    result.again = WorthAnotherTry(result.code);
    // Done: info's facts, or the command's verdict (its last line); else what went wrong.
    if (result.code != ExitCode::Ok)
        result.message = Joined(kept.KeptErr(), L"; ");
    else if (task.kind == FleetCommandKind::Info)
        result.message = Joined(kept.KeptOut(), L"; ");
    else if (!kept.KeptOut().empty())
        result.message = kept.KeptOut().back();
    return result;
}
