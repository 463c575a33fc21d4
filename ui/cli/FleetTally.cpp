// Where a fleet run stands: the counts, the time left, the progress and summary texts.
#include "ui/cli/FleetTally.h"

#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr int64_t kFirstRetryPauseMs = 5000;
constexpr int64_t kLongestRetryPauseMs = 60000;

}  // namespace

void CFleetTally::Finished(FleetOutcome outcome, int64_t durationMs)
{
    --m_running;
    ++m_timed;
    m_workMs += durationMs;
    (outcome == FleetOutcome::Done ? m_done : m_failed)++;
}

void CFleetTally::Settled(FleetOutcome outcome)
{
    --m_left;
    (outcome == FleetOutcome::Skipped ? m_skipped : outcome == FleetOutcome::Done ? m_done : m_failed)++;
}

int64_t CFleetTally::SecondsLeft(unsigned jobs) const
{
    if (m_timed == 0)
        return -1;
    const int64_t meanMs = m_workMs / m_timed;
    const unsigned lanes = std::max(jobs, 1u);
    // The running ones are half through, on average; the rest go lanes at a time.
    const int64_t rounds = (2 * static_cast<int64_t>(m_left) + m_running + 2 * lanes - 1) / (2 * lanes);
    return (rounds * meanMs + (m_running ? meanMs / 2 : 0) + 999) / 1000;
}

std::wstring CFleetTally::ProgressText(unsigned jobs) const
{
    const int64_t left = SecondsLeft(jobs);
    return CliText(IDS_CLI_FLEET_PROGRESS, {std::to_wstring(m_done), std::to_wstring(m_failed), std::to_wstring(m_running),
                                            std::to_wstring(m_left), left < 0 ? L"-:--" : DurationText(left)});
}

std::wstring CFleetTally::SummaryText(const std::wstring& command, int64_t elapsedMs) const
{
    return CliText(IDS_CLI_FLEET_SUMMARY,
                   {command, std::to_wstring(m_done), std::to_wstring(m_failed), std::to_wstring(m_skipped),
                    std::to_wstring(m_done + m_failed + m_skipped + m_running + m_left), DurationText(elapsedMs / 1000)});
}

std::wstring DurationText(int64_t seconds)
{
    wchar_t text[32];
    if (seconds >= 3600)
        std::swprintf(text, 32, L"%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                      static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    else
        std::swprintf(text, 32, L"%lld:%02lld", static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
    return text;
}

int64_t RetryPauseMs(unsigned next)
{
    int64_t pause = kFirstRetryPauseMs;
    for (unsigned k = 2; k < next && pause < kLongestRetryPauseMs; ++k)
        pause *= 2;
    return std::min(pause, kLongestRetryPauseMs);
}

std::wstring FleetRecordLine(const FleetRecord& record)
{
    const std::wstring who = CliText(record.label.empty() ? IDS_CLI_FLEET_TERMINAL : IDS_CLI_FLEET_TERMINAL_LABELLED,
                                     {std::to_wstring(record.terminal), record.label});
    switch (record.outcome) {
    case FleetOutcome::Done: {
        // What the command found or did: info's facts, the settings verdict, the firmware's.
        const std::wstring done = CliText(IDS_CLI_FLEET_VEHICLE_DONE, {who, record.serialNumber});
        return record.message.empty() ? done : done + L": " + record.message;
    }
    case FleetOutcome::Skipped: return CliText(IDS_CLI_FLEET_VEHICLE_SKIPPED, {who});
    case FleetOutcome::Failed: break;
    }
    return CliText(IDS_CLI_FLEET_VEHICLE_FAILED, {who, std::to_wstring(record.tries), record.message});
}
