// Where a fleet run stands: the counts, the time left, the progress and summary texts.
#pragma once

#include "ui/cli/FleetReport.h"

#include <cstdint>
#include <string>

class CFleetTally
{
public:
    explicit CFleetTally(unsigned vehicles) : m_left(vehicles) {}

    void Started() { --m_left, ++m_running; }
    // A vehicle's end; durationMs is how long its work took (tries and pauses included).
    void Finished(FleetOutcome outcome, int64_t durationMs);
    // One that did not run here: done before (skipped), never started (failed), or one of a
    // finished run's records being counted.
    void Settled(FleetOutcome outcome);

    unsigned Done() const { return m_done; }
    unsigned Failed() const { return m_failed; }
    unsigned Skipped() const { return m_skipped; }
    unsigned Running() const { return m_running; }
    unsigned Left() const { return m_left; }
    bool AllDone() const { return m_failed == 0 && m_running == 0 && m_left == 0; }

    // Seconds until the last vehicle is through at the pace so far with jobs links at a time;
    // -1 while no vehicle has been through.
    int64_t SecondsLeft(unsigned jobs) const;
    // "done 12, failed 1, running 8, left 29, 3:20 left"
    std::wstring ProgressText(unsigned jobs) const;
    // "fleet apply: 45 done, 5 failed, 0 skipped of 50 vehicles in 4:12"
    std::wstring SummaryText(const std::wstring& command, int64_t elapsedMs) const;

private:
    unsigned m_done = 0;
    unsigned m_failed = 0;
    unsigned m_skipped = 0;
    unsigned m_running = 0;
    unsigned m_left;
    unsigned m_timed = 0;  // vehicles whose work was timed
    int64_t m_workMs = 0;  // their time together
};

// "m:ss", or "h:mm:ss" from an hour on.
std::wstring DurationText(int64_t seconds);

// The pause before try number next (2, 3, ...): it grows with each try, so that a terminal that
// is out of reach for a while is not asked in a tight loop, up to a ceiling.
int64_t RetryPauseMs(unsigned next);

// One vehicle's end as a plain line: "terminal 1204 (Bus 12): done, serial number 5001: <message>" or
// "terminal 1205: failed after 3 tries: <message>".
std::wstring FleetRecordLine(const FleetRecord& record);
