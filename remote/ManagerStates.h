// The connection manager's states, phases and statuses, shared by both front ends.
#pragma once

// How the sensor is reached.
enum class ConnectionType {
    Relay = 2,  // through the relay server and an on-board terminal
    Sensor = 3, // the sensor on a local COM port
};

// Where the connection stands; each state has its display text. The order is the course of a
// relay connection, and the manager and kivra-cli's link watch compare states with < and >=:
// a new state goes where it falls in that course.
enum class ConnectionState {
    None = 0,               // no channel
    ServerConnecting = 1,   // TCP connection to the relay server under way
    ReadingTerminals = 2,   // the relay server's terminal list (never requested)
    ServerReady = 3,        // connected to the relay server
    ServerListed = 4,       // the terminal list read (never requested)
    ConnectRequested = 5,   // the relay server asked to join the terminal
    ChannelOpen = 6,        // the channel to the terminal or the port is open
    VersionUnsupported = 7, // the device refused for its version
    Connected = 8,          // the device named in the state text answers
};

// Steps of the terminal sequence, in the order they are taken (compared with < and >= as
// ConnectionState is); Session is the session's kSessionPhase.
enum class TerminalPhase {
    None = 0,
    DeviceId = 1,
    Version = 2,
    OpenPort = 3,
    Idle = 4,
    KeepAlive = 5,
    Session = 6,
};

// The suffix shown after the connection state text.
enum class ManagerStatus {
    None = 0,
    Initialization = 1, // the terminal is being identified
    Reading = 2,        // never set by this program's flows
    Writing = 3,        // the terminal is opening its port
    Idle = 4,           // the terminal is idle, no suffix
    Transparent = 5,    // the sensor session's channel is open
};
