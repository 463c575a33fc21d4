// Resource identifiers of the program's string tables (and, later, its dialogs and images).
// Kept to plain "#define NAME number" lines: the host build's string-table generator reads
// this file itself, without a preprocessor.
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

// Link status of the sensor session.
#define IDS_LINK_WAITING                 78
#define IDS_LINK_CONNECTED               79
#define IDS_LINK_NO_ANSWER               80

// Settings status of the sensor session.
#define IDS_SETTINGS_READ                73
#define IDS_SETTINGS_MODIFIED            74
#define IDS_SETTINGS_INVALID             75
#define IDS_SETTINGS_WRITTEN             76
#define IDS_SETTINGS_REJECTED            77

// Firmware update: status texts, the open dialog's filter name and the bad-image message.
#define IDS_FIRMWARE_READING_INFO        124
#define IDS_FIRMWARE_DOWNLOADING         125
#define IDS_FIRMWARE_UP_TO_DATE          126
#define IDS_FIRMWARE_COMPLETED           128
#define IDS_FIRMWARE_ACTIVATING          129
#define IDS_FIRMWARE_FILTER              347
#define IDS_FIRMWARE_BAD_IMAGE           348
// The image file failed to deliver a block during a download (status text and first line of the message).
#define IDS_FIRMWARE_UNREADABLE          365
// An image made for another device type than the connected sensor's is not sent.
#define IDS_FIRMWARE_OTHER_DEVICE        366

// What is wrong with a firmware image file that is refused (shown below the line above).
#define IDS_FIRMWARE_TOO_SHORT           360
#define IDS_FIRMWARE_NOT_IMAGE           361
#define IDS_FIRMWARE_SIZE_MISMATCH       362
#define IDS_FIRMWARE_BAD_BODY_OFFSET     363
#define IDS_FIRMWARE_DAMAGED_TRAILER     364

// Names of the measurable values, in value-code order 0 to 20.
#define IDS_VALUE_NOT_USED               109
#define IDS_VALUE_INCLINATION            110
#define IDS_VALUE_VIBRATION              111
#define IDS_VALUE_GEAR_STATE             142
#define IDS_VALUE_WORK_CYCLES            143
#define IDS_VALUE_ANGULAR_MOTION         113
#define IDS_VALUE_MOTION_AMPLITUDE       114
#define IDS_VALUE_MOTION_COUNTER         115
#define IDS_VALUE_MOTION_FREQUENCY       116
#define IDS_VALUE_TEMPERATURE            117
#define IDS_VALUE_MAGNETS                118
#define IDS_VALUE_MAGNET1_PULSES         119
#define IDS_VALUE_MAGNET1_COUNTER        127
#define IDS_VALUE_MAGNET1_FREQUENCY      131
#define IDS_VALUE_ROTATION               83
#define IDS_VALUE_ROTATION_COUNTER       84
#define IDS_VALUE_RIGHT_COUNTER          85
#define IDS_VALUE_RIGHT_FREQUENCY        86
#define IDS_VALUE_LEFT_COUNTER           87
#define IDS_VALUE_LEFT_FREQUENCY         88
#define IDS_VALUE_SERIAL_NUMBER          92

// Output 1 label in its two modes, and the open-collector explanation of the info markers.
#define IDS_OUTPUT1_DISCRETE             89
#define IDS_OUTPUT1_FREQUENCY            90
#define IDS_OUTPUT_OPEN_COLLECTOR        91

// Condition kinds 0, 1, 2 of the angle page and of the discrete-outputs page.
#define IDS_ANGLE_COND_OTHER             144
#define IDS_ANGLE_COND_IN_RANGE          145
#define IDS_ANGLE_COND_OUT_OF_RANGE      146
#define IDS_VALUE_COND_OTHER             148
#define IDS_VALUE_COND_IN_RANGE          149
#define IDS_VALUE_COND_OUT_OF_RANGE      150

// Tab titles of the main window, in tab-entry order.
#define IDS_TAB_RS485                    68
#define IDS_TAB_OUTPUTS                  71
#define IDS_TAB_ANGLE                    67
#define IDS_TAB_AUX_DATA                 141
#define IDS_TAB_LOG                      69

// Column header parts of the value list ("name/data").
#define IDS_LIST_VALUE_NAME              139
#define IDS_LIST_VALUE_DATA              140

// Main window and log page: address combo, messages and questions.
#define IDS_ADDRESS_COMMON               239
#define IDS_CONNECT_FAILED               135
// A connection that dropped by itself ("%s" the port or server); the system's reason follows.
#define IDS_CONNECTION_LOST              900
// The relay server cannot be reached ("%s" the server address); the system's reason follows.
#define IDS_SERVER_UNREACHABLE           901
// kivra.exe's /resources file cannot be written ("%s" the file); the system's reason follows.
#define IDS_RESOURCES_FILE_FAILED        910
#define IDS_ASK_ZERO_SETUP               101
#define IDS_ASK_FAST_POLLING             102
#define IDS_ASK_EXIT                     197

// Settings profiles: the main window's system menu items, the file dialogs' filter name and the
// messages ("%s" the file; the system's reason, or the wrong values one a line, follow).
#define IDS_MENU_EXPORT_SETTINGS         902
#define IDS_MENU_IMPORT_SETTINGS         903
#define IDS_SETTINGS_FILTER              904
#define IDS_SETTINGS_NOT_SAVED           905
#define IDS_SETTINGS_NOT_READ            906
#define IDS_SETTINGS_NOT_IMPORTED        907

// What a valid value of a settings key looks like (kivra-cli and the settings profiles), and why
// values that are each valid fail together.
#define IDS_RULE_SERIAL                  950
#define IDS_RULE_ADDRESS                 951
#define IDS_RULE_NO_COMMON               952
#define IDS_RULE_SECONDARY               953
#define IDS_RULE_OUTPUT_INTERVAL         954
#define IDS_RULE_UNSOLICITED             955
#define IDS_RULE_APPROXIMATION           956
#define IDS_RULE_ZERO_REFERENCE          957
#define IDS_RULE_KIND                    958
#define IDS_RULE_ANGLE_RANGE             959
#define IDS_RULE_RANGE                   960
#define IDS_RULE_DELAY                   961
#define IDS_RULE_TIMEOUT                 962
#define IDS_RULE_THRESHOLD               963
#define IDS_RULE_SOURCE                  964
#define IDS_RULE_OUTPUT_SOURCE           965
#define IDS_RULE_SWITCH                  966
#define IDS_SETTINGS_NOT_TOGETHER        967
#define IDS_SETTINGS_HELD_INVALID        968

// What is wrong with a settings document as a whole, before any value ("%s" the key, the edit
// or the reader's reason), and where its JSON reader stopped ("%s" the line number).
#define IDS_SETTINGS_UNKNOWN_KEY         969
#define IDS_SETTINGS_NOT_ASSIGNMENT      970
#define IDS_SETTINGS_NOT_DOCUMENT        971
#define IDS_SETTINGS_NO_VALUE            972
#define IDS_JSON_EXPECTED_MARK           973
#define IDS_JSON_EXPECTED_KEY            974
#define IDS_JSON_EXPECTED_VALUE          975
#define IDS_JSON_EXPECTED_END            976
#define IDS_JSON_EXPECTED_CLOSING_QUOTE  977
#define IDS_JSON_EXPECTED_ESCAPE         978
#define IDS_JSON_EXPECTED_HEX_DIGITS     979
#define IDS_JSON_CONTROL_CHARACTER       980
#define IDS_JSON_EXPECTED_NESTED_END     981
#define IDS_SETTINGS_NOT_TEXT            982
#define IDS_NET_ADDRESS_SETTINGS_UNREAD  983
#define IDS_NET_ADDRESS_SETTINGS_INVALID 984
#define IDS_NET_ADDRESS_NOT_CONNECTED    985

// The data log: it could not be opened (the places tried follow, each with the system's reason),
// it stopped ("%s" the file, then the rows it kept), and the file in use on the log page.
#define IDS_DATA_LOG_NOT_OPENED          1990
#define IDS_DATA_LOG_STOPPED             1991
#define IDS_DATA_LOG_FILE                1992
