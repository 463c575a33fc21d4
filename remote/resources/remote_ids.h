// String ids of the connection manager's texts (its scripts: remote_en.rc, remote_ru.rc). Plain
// "#define NAME number" lines: the host build's string-table generator reads them itself.
#pragma once

// Connection states of the connection manager ("%s" takes the device name).
#define IDS_CONN_NOT_SET                 103
#define IDS_CONN_DEVICE_CONNECTED        104
#define IDS_CONN_SERVER_CONNECTING       105
#define IDS_CONN_READING_TERMINALS       106
#define IDS_CONN_TERMINAL_CONNECTING     107
#define IDS_CONN_SERVER_READY            108
#define IDS_CONN_VERSION_UNSUPPORTED     112

// Suffixes shown after the connection state (only the transparent one has no leading blank).
#define IDS_SUFFIX_TRANSPARENT           66
#define IDS_SUFFIX_INITIALIZATION        132
#define IDS_SUFFIX_READING               137
#define IDS_SUFFIX_WRITING               138

// Device name of an on-board terminal: device id, board revision, software version.
#define IDS_TERMINAL_DEVICE_NAME         81

// A connection that dropped by itself ("%s" the port or server); the system's reason follows.
#define IDS_CONNECTION_LOST              900
