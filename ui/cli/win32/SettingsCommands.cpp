// settings get, set, export and import.
#include "ui/cli/win32/Commands.h"

#include "protocol/KivraProcessor.h"
#include "ui/app/SettingsDocument.h"
#include "ui/app/SettingsProfile.h"
#include "ui/app/win32/TextFile.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/FileFailure.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/cli/win32/SettingsWrite.h"
#include "ui/resources/cli_ids.h"

namespace {

SettingsOrigin OriginOf(const CKivraProcessor& session)
{
    return {session.Records().identificationTexts.model, session.Records().identificationTexts.firmwareVersion};
}

ExitCode ReportEdits(CSensorLink& link, const std::vector<std::wstring>& errors)
{
    for (const std::wstring& error : errors)
        link.Output().Err(L"kivra-cli: " + CliText(IDS_CLI_INVALID_VALUE, {error}));
    return link.Fail(ExitCode::InvalidValue, CliText(IDS_CLI_NOTHING_WRITTEN));
}

ExitCode Import(CSensorLink& link, const std::wstring& path, const SettingsImportFilter& filter)
{
    std::wstring text;
    if (!ReadTextFile(path, text))
        return link.Fail(ExitCode::FileError, FileFailure(IDS_CLI_CANNOT_READ, path));
    SettingsTexts edited;
    std::vector<std::wstring> errors;
    if (!ImportSettingsProfile(text, filter, link.Session().Records(), edited, errors))
        return ReportEdits(link, errors);
    return WriteSettingsTexts(link, edited);
}

}  // namespace

ExitCode RunSettings(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    CKivraProcessor& session = link.Session();
    const std::wstring& action = arguments.operands[0];
    const SettingsTexts& held = session.Records().settingsTexts;
    if (action == L"get") {
        std::wstring text = arguments.json ? SettingsJson(held, OriginOf(session), false) : SettingsLines(held);
        if (!text.empty() && text.back() == L'\n')
            text.pop_back();
        link.Output().Out(text);
        return ExitCode::Ok;
    }
    if (action == L"export") {
        if (!WriteTextFile(arguments.operands[1], SettingsProfileText(session.Records())))
            return link.Fail(ExitCode::FileError, FileFailure(IDS_CLI_CANNOT_WRITE, arguments.operands[1]));
        link.Output().Out(CliText(IDS_CLI_SETTINGS_EXPORTED, {arguments.operands[1]}));
        return ExitCode::Ok;
    }
    if (action == L"import")
        return Import(link, arguments.operands[1], {arguments.includeSerial, arguments.includeAddress});
    // set: KEY=VALUE words, or the same from a file (every key it names is taken).
    if (!arguments.from.empty())
        return Import(link, arguments.from, {true, true});
    SettingsTexts edited = held;
    std::vector<std::wstring> errors;
    if (!ApplySettingsAssignments({arguments.operands.begin() + 1, arguments.operands.end()}, edited, errors))
        return ReportEdits(link, errors);
    return WriteSettingsTexts(link, edited);
}
