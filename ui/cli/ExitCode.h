// Exit statuses of kivra-cli: one per kind of failure, so scripts can tell them apart.
#pragma once

enum class ExitCode : int {
    Ok = 0,
    Usage = 2,              // the command line itself is wrong
    PortUnavailable = 3,    // the COM port is missing or busy
    ServerUnreachable = 4,  // the relay server cannot be reached
    TerminalRefused = 5,    // the relay or the on-board terminal refused the link
    SensorSilent = 6,       // no answer from the sensor within the time-out
    UnsupportedModel = 7,   // the sensor is not the model this tool configures
    InvalidValue = 8,       // a setting does not parse or does not validate; nothing was sent
    WriteRejected = 9,      // the sensor's read-back differs from what was written
    BadFirmwareFile = 10,   // the firmware image cannot be opened or is not an image
    FileError = 11,         // a file of the command cannot be read or written
    ConnectionLost = 12,    // the link dropped while the command was running
    Interrupted = 13,       // Ctrl+C or Ctrl+Break ended the command before it was done
    NoSensorFound = 14,     // a scan went through every address and no sensor answered
    FleetIncomplete = 15,   // a fleet command ended with vehicles that are not done
};

inline int ToInt(ExitCode code) { return static_cast<int>(code); }
