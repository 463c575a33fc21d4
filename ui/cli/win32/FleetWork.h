// One try of a fleet command on one vehicle, through the single commands' own code.
#pragma once

#include "ui/cli/CliArguments.h"
#include "ui/cli/ExitCode.h"
#include "ui/cli/FleetFile.h"

#include <string>

enum class FleetCommandKind { Info, Backup, Apply, Firmware };

// What every vehicle gets: the command, its file or folder, and the options of the command
// line (relay server, time-out, language).
struct FleetTask {
    FleetCommandKind kind = FleetCommandKind::Info;
    std::wstring operand;  // backup: the folder; apply: the profile; firmware: the image
    CliArguments options;
};

struct FleetTryResult {
    ExitCode code = ExitCode::Ok;
    bool again = true;  // a further try may do better (not for a bad value, file or model)
    std::wstring serialNumber;
    std::wstring firmwareBefore;
    std::wstring firmwareAfter;
    std::wstring message;  // the command's own lines (its failure, or info's facts)
};

// Time-out of a fleet link when --timeout does not give one: long enough for the relay's
// repeats of a refused connect request (2 s) and of an unanswered terminal command (5 s),
// short enough that a vehicle out of reach does not hold its job for the single command's 150 s.
constexpr double kFleetLinkTimeoutSeconds = 30;

// Runs on a thread of its own: the link's window and its messages belong to that thread.
FleetTryResult RunFleetTry(const FleetTask& task, const FleetVehicle& vehicle);
