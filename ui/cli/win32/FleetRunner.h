// A fleet command's vehicles worked through several links at a time, with tries, progress and Ctrl+C.
#pragma once

#include "ui/cli/FleetReport.h"
#include "ui/cli/win32/FleetWork.h"

#include <set>
#include <vector>

class CConsoleOutput;

struct FleetRunOptions {
    unsigned jobs = 8;     // links at a time
    unsigned retries = 2;  // tries after the first for a vehicle whose try failed
};

// Each vehicle's record, in the order of the list. A terminal in finished gets its earlier
// record back as skipped; the others are tried until done, out of tries or a failure that
// another try cannot mend. After Ctrl+C no new vehicle starts (it is reported as failed, not
// started) and no new try; running ones end at their safe point.
std::vector<FleetRecord> RunFleet(const FleetTask& task, const FleetRunOptions& options,
                                  const std::vector<FleetVehicle>& vehicles, const std::vector<FleetRecord>& earlier,
                                  CConsoleOutput& output);
