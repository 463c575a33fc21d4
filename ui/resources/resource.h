// String ids of the window program's and kivra-cli's shared texts (their scripts: strings_en.rc,
// strings_ru.rc); the session's and the connection manager's ids are in protocol/resources/ and
// remote/resources/. Kept to plain "#define NAME number" lines: the host build's string-table generator reads
// this file itself, without a preprocessor.
#pragma once

// The firmware open dialog's filter name.
#define IDS_FIRMWARE_FILTER              347

// The open-collector explanation of the info markers.
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

// The data log's file in use, on the log page.
#define IDS_DATA_LOG_FILE                1992
