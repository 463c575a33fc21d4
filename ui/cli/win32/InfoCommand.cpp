// info: identification, connection and status texts.
#include "ui/cli/win32/Commands.h"

#include "protocol/KivraProcessor.h"
#include "ui/app/JsonText.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"

ExitCode RunInfo(const CliArguments& arguments, CSensorLink& link)
{
    const CKivraProcessor& session = link.Session();
    const SensorRecords& records = session.Records();
    const int index = session.GetAddressIndex();
    const std::wstring address = index == 0 ? L"255 (common)" : std::to_wstring(index - 1);
    const std::pair<const wchar_t*, std::wstring> facts[] = {
        {L"connection", link.ConnectionText()},
        {L"link", session.Status().GetLinkText()},
        {L"model", records.identificationTexts.model},
        {L"firmware_version", records.identificationTexts.firmwareVersion},
        {L"serial_number", records.settingsTexts.serialNumber},
        {L"network_address", records.settingsTexts.networkAddress},
        {L"request_address", address},
        {L"settings", session.Status().GetSettingsText()},
    };
    if (arguments.json) {
        CJsonObject object;
        for (const auto& [key, value] : facts)
            object.String(key, value);
        link.Output().Out(object.Text());
        return ExitCode::Ok;
    }
    for (const auto& [key, value] : facts) {
        std::wstring label = key;
        for (wchar_t& c : label)
            c = c == L'_' ? L' ' : c;
        link.Output().Out(label + L": " + value);
    }
    return ExitCode::Ok;
}
