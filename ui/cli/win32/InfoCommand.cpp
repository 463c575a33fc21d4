// info: identification, connection and status texts.
#include "ui/cli/win32/Commands.h"

#include "protocol/KivraProcessor.h"
#include "ui/app/JsonText.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/resources/cli_ids.h"

ExitCode RunInfo(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    const CKivraProcessor& session = link.Session();
    const SensorRecords& records = session.Records();
    const int index = session.GetAddressIndex();
    const std::wstring address = index == 0 ? CliText(IDS_CLI_INFO_COMMON, {L"255"}) : std::to_wstring(index - 1);
    struct Fact {
        const wchar_t* key;  // of the JSON object, the same in every language
        unsigned label;
        std::wstring value;
    };
    const Fact facts[] = {
        {L"connection", IDS_CLI_INFO_CONNECTION, link.ConnectionText()},
        {L"link", IDS_CLI_INFO_LINK, session.Status().GetLinkText()},
        {L"model", IDS_CLI_INFO_MODEL, records.identificationTexts.model},
        {L"firmware_version", IDS_CLI_INFO_FIRMWARE_VERSION, records.identificationTexts.firmwareVersion},
        {L"serial_number", IDS_CLI_INFO_SERIAL_NUMBER, records.settingsTexts.serialNumber},
        {L"network_address", IDS_CLI_INFO_NETWORK_ADDRESS, records.settingsTexts.networkAddress},
        {L"request_address", IDS_CLI_INFO_REQUEST_ADDRESS, address},
        {L"settings", IDS_CLI_INFO_SETTINGS, session.Status().GetSettingsText()},
    };
    if (arguments.json) {
        CJsonObject object;
        for (const Fact& fact : facts)
            object.String(fact.key, fact.value);
        link.Output().Out(object.Text());
        return ExitCode::Ok;
    }
    for (const Fact& fact : facts)
        link.Output().Out(CliText(fact.label) + L": " + fact.value);
    return ExitCode::Ok;
}
