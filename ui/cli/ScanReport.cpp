// What a scan tells: the sensors found, the answers that collided or were damaged, its progress.
#include "ui/cli/ScanReport.h"

#include "protocol/IdentificationTexts.h"
#include "protocol/SensorCodes.h"
#include "ui/app/JsonText.h"
#include "ui/cli/CliText.h"
#include "ui/cli/ScanPlan.h"
#include "ui/resources/cli_ids.h"

namespace {

IdentificationTexts TextsOf(const SensorIdentification& identification)
{
    IdentificationTexts texts = MakeResetIdentificationTexts();
    RebuildIdentificationTexts(identification, SettingsBlock{}, texts);
    return texts;
}

}  // namespace

std::wstring ScanModelText(const SensorIdentification& identification)
{
    const std::wstring model = TextsOf(identification).model;
    return model.empty() ? CliText(IDS_CLI_SCAN_UNKNOWN_MODEL, {std::to_wstring(identification.deviceType)}) : model;
}

std::wstring FoundSensorLine(const FoundSensor& sensor)
{
    return CliText(IDS_CLI_SCAN_FOUND,
                   {sensor.port, std::to_wstring(sensor.baud), std::to_wstring(sensor.address),
                    ScanModelText(sensor.identification), TextsOf(sensor.identification).firmwareVersion,
                    sensor.settingsRead ? std::to_wstring(sensor.serialNumber) : CliText(IDS_CLI_SCAN_NO_SERIAL)});
}

std::wstring FoundSensorJson(const FoundSensor& sensor)
{
    CJsonObject object;
    object.String(L"port", sensor.port)
        .Number(L"baud", sensor.baud)
        .Number(L"address", sensor.address)
        .String(L"model", TextsOf(sensor.identification).model)
        .String(L"firmware_version", TextsOf(sensor.identification).firmwareVersion)
        .Number(L"device_type", sensor.identification.deviceType);
    if (sensor.settingsRead)
        object.Number(L"serial_number", sensor.serialNumber);
    else
        object.Raw(L"serial_number", L"null");
    return object.Text();
}

std::wstring ProbeProblemLine(const std::wstring& port, uint32_t baud, uint8_t address, ProbeVerdict verdict)
{
    unsigned id = 0;
    if (verdict == ProbeVerdict::Collided)
        id = address == CommonAddress ? IDS_CLI_SCAN_COLLIDED_COMMON : IDS_CLI_SCAN_COLLIDED;
    else if (verdict == ProbeVerdict::Damaged)
        id = IDS_CLI_SCAN_DAMAGED;
    return id == 0 ? std::wstring() : CliText(id, {port, std::to_wstring(baud), std::to_wstring(address)});
}

std::wstring ProbeProblemJson(const std::wstring& port, uint32_t baud, uint8_t address, ProbeVerdict verdict)
{
    if (verdict != ProbeVerdict::Collided && verdict != ProbeVerdict::Damaged)
        return std::wstring();
    return CJsonObject()
        .String(L"port", port)
        .Number(L"baud", baud)
        .Number(L"address", address)
        .String(L"problem", verdict == ProbeVerdict::Collided ? L"collision" : L"checksum")
        .Text();
}

std::wstring ScanProgressText(uint32_t baud, uint8_t address, std::size_t found, int64_t millisecondsLeft)
{
    return CliText(IDS_CLI_SCAN_PROGRESS, {std::to_wstring(baud), std::to_wstring(address), std::to_wstring(found),
                                           MinutesSecondsText(millisecondsLeft)});
}
