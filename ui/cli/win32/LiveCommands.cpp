// live and log: a line or a data-log row for every answered poll.
#include "ui/cli/win32/Commands.h"

#include "protocol/KivraProcessor.h"
#include "runtime/OsHandle.h"
#include "runtime/ProcessClock.h"
#include "runtime/SystemReason.h"
#include "ui/app/win32/TextFile.h"
#include "ui/cli/CliText.h"
#include "ui/cli/CollectedPrompt.h"
#include "ui/cli/LiveLine.h"
#include "ui/cli/PollCounter.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/resources/cli_ids.h"

namespace {

constexpr long kDefaultLogRows = 10;

// Runs until count polls were answered (count < 0: until the link fails) or stop() holds,
// calling onPoll after each.
ExitCode CountPolls(CSensorLink& link, long count, const std::function<void()>& onPoll,
                    const std::function<bool()>& stop = [] { return false; })
{
    CPollCounter counter;
    counter.Answered(link.Session().GetRequestType(), 0);  // a poll may be out already
    long answered = 0;
    link.OnEveryUpdate([&](unsigned bits) {
        if (counter.Answered(link.Session().GetRequestType(), bits)) {
            ++answered;
            onPoll();
        }
    });
    const ExitCode result = link.WaitFor([&] { return (count > 0 && answered >= count) || stop(); });
    link.OnEveryUpdate(nullptr);
    return result;
}

}  // namespace

ExitCode RunLive(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    CKivraProcessor& session = link.Session();
    session.SetFastPolling(arguments.fast);
    int64_t first = -1;
    const ExitCode result = CountPolls(link, arguments.count, [&] {
        const int64_t now = NowMilliseconds();
        if (first < 0)
            first = now;
        LiveLineFacts facts;
        facts.texts = &session.Records().displayTexts;
        facts.magnetDetectors = session.Records().identificationTexts.magnetDetectors;
        facts.elapsedMs = now - first;
        link.Output().Out(arguments.json ? LiveJsonLine(facts) : LiveTextLine(facts));
    });
    // Without a count, Ctrl+C is how the watching ends.
    return result == ExitCode::Interrupted && arguments.count < 0 ? ExitCode::Ok : result;
}

ExitCode RunDataLog(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    // The session writes the rows where the window's log goes; they are moved into FILE
    // afterwards and that file is left as it was found.
    CKivraProcessor& session = link.Session();
    const std::wstring& target = arguments.operands[0];
    // The session says why its log could not be opened, or why it stopped, as the window shows it.
    CCollectedPrompt told;
    const CPromptLoan loan(session, told);
    session.SetFastPolling(arguments.fast);
    session.SetDataLog(arguments.full ? DataLogMode::FullData : DataLogMode::Data);
    if (!session.IsDataLogOpen())
        return link.Fail(ExitCode::FileError, told.message);
    const std::wstring own = session.GetDataLogPath();
    const int64_t before = session.GetDataLogStart();
    long rows = 0;
    const long count = arguments.count > 0 ? arguments.count : kDefaultLogRows;
    ExitCode result = CountPolls(
        link, count, [&] { rows += session.IsDataLogOpen() ? 1 : 0; }, [&] { return !session.IsDataLogOpen(); });
    const bool stopped = !session.IsDataLogOpen();
    session.SetDataLog(DataLogMode::Off);
    std::string bytes;
    // The reason is taken before the session's own file is cut back, which sets one of its own.
    std::wstring failure;
    if (!ReadFileTail(own, before < 0 ? 0 : static_cast<uint64_t>(before), bytes)) {
        const TErrorCode error = OsLastError();
        failure = WithSystemReason(CliText(IDS_CLI_CANNOT_READ, {own}), error, ReasonPlacement::SameLine);
    } else if (!AppendToFile(target, bytes)) {
        const TErrorCode error = OsLastError();
        failure = WithSystemReason(CliText(IDS_CLI_CANNOT_WRITE, {target}), error, ReasonPlacement::SameLine);
    }
    RestoreFileSize(own, before);
    if (!failure.empty())
        return link.Fail(ExitCode::FileError, failure);
    // Interrupted or stopped, the rows taken so far are kept all the same.
    if (result == ExitCode::Ok || result == ExitCode::Interrupted)
        link.Output().Out(CliText(IDS_CLI_ROWS_APPENDED, {std::to_wstring(rows), target}));
    if (stopped && result == ExitCode::Ok)
        return link.Fail(ExitCode::FileError, told.message);
    return result;
}
