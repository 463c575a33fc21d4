#include "ScriptRunner.h"

#include "ScriptWords.h"

namespace {

std::string Trimmed(const std::string& line)
{
    const size_t first = line.find_first_not_of(" \t\r\n");
    const size_t last = line.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

std::string OkLine(const std::string& shown)
{
    return shown.empty() ? "ok" : "ok " + shown;
}

} // namespace

CScriptRunner::CScriptRunner(IDriverTarget& target) : target(target)
{
}

std::string CScriptRunner::RunLine(const std::string& line)
{
    try {
        const std::vector<std::string> words = SplitWords(line);
        if (words.empty())
            return std::string();
        return Run(ParseDriverCommand(words));
    } catch (const std::exception& e) {
        ++failures;
        return "FAILED " + Trimmed(line) + ": " + e.what();
    }
}

std::string CScriptRunner::Run(const CDriverCommand& command)
{
    switch (command.verb) {
    case EVerb::Sleep:
        target.Pause(command.number);
        return OkLine("");
    case EVerb::Timeout:
        timeoutMs = command.number;
        return OkLine("");
    case EVerb::Expect:
        return Expect(command);
    default:
        break;
    }
    if (IsQuery(command.verb))
        return OkLine(target.Query(command).Display());
    return OkLine(target.Act(command, command.timeoutMs >= 0 ? command.timeoutMs : timeoutMs));
}

std::string CScriptRunner::Expect(const CDriverCommand& command)
{
    CDriverCommand query = command;
    query.verb = command.query;
    const int limit = command.timeoutMs >= 0 ? command.timeoutMs : timeoutMs;
    const long long deadline = target.NowMs() + limit;
    std::string last;
    while (true) {
        try {
            const CQueryValue value = target.Query(query);
            if (command.expectation.IsMetBy(value))
                return OkLine(value.Display());
            last = "still " + value.Display();
        } catch (const CDriverFailure& e) {
            last = e.what();
        }
        if (target.NowMs() >= deadline)
            throw CDriverFailure(last + " after " + std::to_string(limit) + " ms");
        target.Pause(RetryIntervalMs);
    }
}
