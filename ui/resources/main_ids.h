// The main window: its template and control ids.
#pragma once

#define IDD_KIVRA_DIALOG                 221

#define IDC_MAIN_TABS                    1001
#define IDC_LINK_STATUS                  1002
#define IDC_CONNECTION_PARAMETERS        1003
#define IDC_CONNECT                      1006
#define IDC_SETTINGS_STATUS              1007
#define IDC_DISCONNECT                   1008
#define IDC_MODIFY_CONNECTION            1009
#define IDC_READ_SETTINGS                1010
#define IDC_WRITE_SETTINGS               1012
#define IDC_NETWORK_SETUP                1013
#define IDC_GAUGE                        1025
#define IDC_NETWORK_ADDRESS_TEXT         1076
#define IDC_SENSOR_ADDRESS               1087
#define IDC_SERIAL_NUMBER_TEXT           1123
#define IDC_FIRMWARE_UPDATE              1126
#define IDC_SENSOR_ADDRESS_LABEL         1138
#define IDC_NETWORK_ADDRESS_LABEL        1139
#define IDC_MODEL_TEXT                   1159
#define IDC_FIRMWARE_VERSION_TEXT        1160
#define IDC_ANGLE_TEXT                   1161
#define IDC_TEMPERATURE_TEXT             1162
#define IDC_CONNECTION_GROUP             1167
#define IDC_LOGO                         1185
#define IDC_FIRMWARE_STATUS              1186
#define IDC_FIRMWARE_PROGRESS            1187
#define IDC_ZERO_SETUP                   1238
#define IDC_LLS1_TEXT                    1254
#define IDC_LLS2_TEXT                    1255
#define IDC_OUTPUT1_VALUE                1256
#define IDC_OUTPUT2_VALUE                1257
#define IDC_OUTPUT1_LABEL                1260
#define IDC_MAGNET1                      1263
#define IDC_MAGNET2                      1264
#define IDC_OUTPUT1_STATE                1265
#define IDC_OUTPUT2_STATE                1266
#define IDC_OUTPUT2_INFO                 1268
#define IDC_OUTPUT1_INFO                 1269

// Commands the main window adds to its system menu (WM_SYSCOMMAND keeps the low four bits for
// the system, and ids from 0xF000 on are the system's own).
#define IDM_EXPORT_SETTINGS              0x0110
#define IDM_IMPORT_SETTINGS              0x0120
