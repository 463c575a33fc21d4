// Writing edited settings texts as the window's write does, then waiting for the sensor's read-back verdict.
#include "ui/cli/win32/SettingsWrite.h"

#include "protocol/KivraProcessor.h"
#include "ui/app/SettingsKeys.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/resources/cli_ids.h"

ExitCode WriteSettingsTexts(CSensorLink& link, const SettingsTexts& edited)
{
    CKivraProcessor& session = link.Session();
    SensorRecords& records = session.Records();
    const std::vector<std::wstring> reasons =
        DiagnoseSettings(edited, records.settings, records.identification.firmwareVersion);
    if (!reasons.empty()) {
        for (const std::wstring& reason : reasons)
            link.Output().Err(L"kivra-cli: " + CliText(IDS_CLI_INVALID_VALUE, {reason}));
        return link.Fail(ExitCode::InvalidValue, CliText(IDS_CLI_NOTHING_WRITTEN));
    }
    records.settingsTexts = edited;
    session.EvaluateSettings();
    if (session.Status().GetSettings() == CSessionStatus::SettingsRead) {
        link.Output().Out(CliText(IDS_CLI_NOTHING_TO_WRITE));
        return ExitCode::Ok;
    }
    if (!session.WriteSettings())
        return link.Fail(ExitCode::InvalidValue, session.Status().GetSettingsText());
    const auto verdict = [&session] {
        const int status = session.Status().GetSettings();
        return status == CSessionStatus::SettingsWritten || status == CSessionStatus::SettingsRejected;
    };
    const ExitCode waited = link.WaitFor(verdict);
    if (waited != ExitCode::Ok)
        return waited;
    if (session.Status().GetSettings() == CSessionStatus::SettingsRejected)
        return link.Fail(ExitCode::WriteRejected, session.Status().GetSettingsText());
    link.Output().Out(session.Status().GetSettingsText());
    return ExitCode::Ok;
}
