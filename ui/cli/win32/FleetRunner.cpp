// A fleet command's vehicles worked through several links at a time, with tries, progress and Ctrl+C.
#include "ui/cli/win32/FleetRunner.h"

#include "runtime/ClockSource.h"
#include "runtime/ProcessClock.h"
#include "ui/cli/CliText.h"
#include "ui/cli/FleetTally.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/Interruption.h"
#include "ui/resources/cli_ids.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

// How often the progress line is drawn again on a console while nothing ends.
constexpr auto kProgressRedraw = std::chrono::milliseconds(500);
// Pauses between tries are slept in steps this long, so that Ctrl+C ends them soon.
constexpr int64_t kPauseStepMs = 100;

std::wstring Now() { return FleetTimeText(SystemClockSource().SystemTime()); }

// What the workers share with the thread that shows the progress.
class CFleetBoard
{
public:
    CFleetBoard(std::size_t vehicles, const std::vector<std::size_t>& queue) : m_tally(static_cast<unsigned>(vehicles)),
        m_queue(queue.begin(), queue.end()) {}

    // The next vehicle's index, or false when there is none or the run is interrupted.
    bool Take(std::size_t& index)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_queue.empty() || Interrupted())
            return false;
        index = m_queue.front();
        m_queue.pop_front();
        m_tally.Started();
        return true;
    }

    void Finish(std::size_t index, const FleetRecord& record, int64_t durationMs)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tally.Finished(record.outcome, durationMs);
        m_ended.push_back(index);
        m_changed.notify_all();
    }

    void Settled(FleetOutcome outcome)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tally.Settled(outcome);
    }

    // Waits until a vehicle ends or the time is up; the indices of those that ended since.
    std::vector<std::size_t> Wait(std::chrono::milliseconds upTo, CFleetTally& tally)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait_for(lock, upTo, [this] { return !m_ended.empty(); });
        std::vector<std::size_t> ended(m_ended.begin(), m_ended.end());
        m_ended.clear();
        tally = m_tally;
        return ended;
    }

    // Vehicles never handed out (after Ctrl+C).
    std::vector<std::size_t> Unstarted()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<std::size_t> left(m_queue.begin(), m_queue.end());
        m_queue.clear();
        return left;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    CFleetTally m_tally;
    std::deque<std::size_t> m_queue;
    std::deque<std::size_t> m_ended;
};

// Sleeps the pause before the next try; false when Ctrl+C came meanwhile.
bool Pause(int64_t ms)
{
    for (int64_t slept = 0; slept < ms; slept += kPauseStepMs) {
        if (Interrupted())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kPauseStepMs, ms - slept)));
    }
    return !Interrupted();
}

void WorkOn(const FleetTask& task, unsigned retries, const FleetVehicle& vehicle, FleetRecord& record)
{
    record.start = Now();
    for (unsigned attempt = 1;; ++attempt) {
        const FleetTryResult result = RunFleetTry(task, vehicle);
        record.tries = attempt;
        if (!result.serialNumber.empty())
            record.serialNumber = result.serialNumber;
        if (!result.firmwareBefore.empty() && record.firmwareBefore.empty())
            record.firmwareBefore = result.firmwareBefore;
        record.firmwareAfter = result.firmwareAfter.empty() ? record.firmwareAfter : result.firmwareAfter;
        record.message = result.message;
        record.outcome = result.code == ExitCode::Ok ? FleetOutcome::Done : FleetOutcome::Failed;
        if (result.code == ExitCode::Ok || !result.again || attempt > retries || !Pause(RetryPauseMs(attempt + 1)))
            break;
    }
    record.end = Now();
}

}  // namespace

std::vector<FleetRecord> RunFleet(const FleetTask& task, const FleetRunOptions& options,
                                  const std::vector<FleetVehicle>& vehicles, const std::vector<FleetRecord>& earlier,
                                  CConsoleOutput& output)
{
    const std::set<uint32_t> finished = FinishedTerminals(earlier);
    std::vector<FleetRecord> records(vehicles.size());
    std::vector<std::size_t> queue;
    std::vector<std::size_t> skipped;
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        records[i].terminal = vehicles[i].terminal;
        records[i].label = vehicles[i].label;
        if (!finished.count(vehicles[i].terminal)) {
            queue.push_back(i);
            continue;
        }
        for (const FleetRecord& before : earlier)
            if (before.terminal == vehicles[i].terminal)
                records[i] = before;
        records[i].label = vehicles[i].label;
        records[i].outcome = FleetOutcome::Skipped;
        skipped.push_back(i);
    }
    CFleetBoard board(vehicles.size(), queue);
    for (std::size_t i : skipped) {
        board.Settled(FleetOutcome::Skipped);
        output.Out(FleetRecordLine(records[i]));
    }

    std::vector<std::thread> workers;
    const unsigned jobs = std::max(1u, std::min<unsigned>(options.jobs, static_cast<unsigned>(queue.size())));
    for (unsigned j = 0; j < jobs && !queue.empty(); ++j) {
        workers.emplace_back([&] {
            std::size_t index = 0;
            while (board.Take(index)) {
                const int64_t started = NowMilliseconds();
                WorkOn(task, options.retries, vehicles[index], records[index]);
                board.Finish(index, records[index], NowMilliseconds() - started);
            }
        });
    }
    CFleetTally tally(static_cast<unsigned>(vehicles.size()));
    for (std::size_t ended = 0; ended < queue.size();) {
        const std::vector<std::size_t> now = board.Wait(kProgressRedraw, tally);
        for (std::size_t index : now)
            output.Out(FleetRecordLine(records[index]));
        ended += now.size();
        if (output.OutIsConsole())
            output.Redraw(tally.ProgressText(jobs));
        else if (!now.empty())
            output.Out(tally.ProgressText(jobs));
        if (Interrupted() && tally.Running() == 0)
            break;
    }
    for (std::thread& worker : workers)
        worker.join();
    for (std::size_t index : board.Unstarted()) {
        records[index].outcome = FleetOutcome::Failed;
        records[index].message = CliText(IDS_CLI_FLEET_NOT_STARTED);
        output.Out(FleetRecordLine(records[index]));
    }
    output.Done();
    return records;
}
