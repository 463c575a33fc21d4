// zero, address, diag and test: one request each, and its outcome.
#include "ui/cli/win32/Commands.h"

#include "protocol/KivraProcessor.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/cli/win32/SettingsWrite.h"
#include "ui/resources/cli_ids.h"

#include <cwchar>

ExitCode RunZero(const CliArguments&, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    CKivraProcessor& session = link.Session();
    session.SetZero();
    // The zero-angle answer either changes nothing or leads into a write and its read-back.
    const ExitCode waited = link.WaitFor([&session] {
        const int type = session.GetRequestType();
        return type != CKivraProcessor::ReqZeroSetup && type != CKivraProcessor::ReqWriteSettings &&
               type != CKivraProcessor::ReqReadBack;
    });
    if (waited != ExitCode::Ok)
        return waited;
    const int status = session.Status().GetSettings();
    const std::wstring zero = L"zero_reference = " + session.Records().settingsTexts.zeroReference;
    if (status == CSessionStatus::SettingsRejected)
        return link.Fail(ExitCode::WriteRejected, session.Status().GetSettingsText());
    link.Output().Out(status == CSessionStatus::SettingsWritten ? session.Status().GetSettingsText()
                                                                : CliText(IDS_CLI_ZERO_UNCHANGED));
    link.Output().Out(zero);
    return ExitCode::Ok;
}

ExitCode RunAddress(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    SettingsTexts edited = link.Session().Records().settingsTexts;
    edited.networkAddress = arguments.operands[0];
    if (arguments.common >= 0)
        edited.noCommonAddress = arguments.common ? 0 : 1;
    if (arguments.secondary >= 0)
        edited.secondaryAddress = arguments.secondary;
    const ExitCode result = WriteSettingsTexts(link, edited);
    if (result == ExitCode::Ok)
        link.Output().Out(CliText(IDS_CLI_NETWORK_ADDRESS, {link.Session().Records().settingsTexts.networkAddress}));
    return result;
}

ExitCode RunDiagnostics(const CliArguments&, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    CKivraProcessor& session = link.Session();
    session.ReadDiagnostics();
    const ExitCode waited =
        link.WaitFor([&session] { return (session.GetRecordFlags() & RecordFlag::DataSubcode(3)) != 0; });
    if (waited == ExitCode::Ok)
        link.Output().Out(session.Records().displayTexts.diagnostics);
    return waited;
}

ExitCode RunTest(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    CKivraProcessor& session = link.Session();
    session.SetTestValue(static_cast<uint32_t>(std::wcstoul(arguments.operands[0].c_str(), nullptr, 10)));
    session.SendTest();
    const ExitCode waited = link.WaitFor([&session] { return session.GetRequestType() != CKivraProcessor::ReqTest; });
    if (waited != ExitCode::Ok)
        return waited;
    if (session.GetLastAcknowledge() == 2)
        return link.Fail(ExitCode::WriteRejected, CliText(IDS_CLI_TEST_REFUSED));
    link.Output().Out(CliText(IDS_CLI_TEST_ACCEPTED));
    return ExitCode::Ok;
}
