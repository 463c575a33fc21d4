// Template and control ids of the main window's tab pages. Ids repeat from page to page
// (each page is its own dialog), so every name carries its page's prefix.
#pragma once

// Templates.
#define IDD_AUX_DATA_PAGE                389
#define IDD_ANGLE_PAGE                   390
#define IDD_RS485_PAGE                   391
#define IDD_OUTPUTS_PAGE                 392
#define IDD_LOG_PAGE                     216
#define IDD_CHART_PAGE                   393

// "RS-485 protocol" page.
#define IDC_RS485_LLS1_GROUP             1239
#define IDC_RS485_LLS1_LABEL             1261
#define IDC_RS485_LLS1_SOURCE            1220
#define IDC_RS485_LLS2_GROUP             1240
#define IDC_RS485_LLS2_LABEL             1262
#define IDC_RS485_LLS2_SOURCE            1221
#define IDC_RS485_UNSOLICITED_GROUP      1241
#define IDC_RS485_UNSOLICITED_OFF        1163
#define IDC_RS485_UNSOLICITED_LLS        1164
#define IDC_RS485_INTERVAL_LABEL         1242
#define IDC_RS485_INTERVAL               1074

// "Discrete outputs" page: output 1.
#define IDC_OUT1_GROUP                   1239
#define IDC_OUT1_FREQUENCY               1259
#define IDC_OUT1_SOURCE                  1220
#define IDC_OUT1_ACTIVE_LABEL            1250
#define IDC_OUT1_ACTIVE_INFO             1268
#define IDC_OUT1_ACTIVE_KIND             1253
#define IDC_OUT1_ACTIVE_RANGE            1222
#define IDC_OUT1_ACTIVE_DELAY_LABEL      1244
#define IDC_OUT1_ACTIVE_DELAY            1245
#define IDC_OUT1_INACTIVE_LABEL          1241
#define IDC_OUT1_INACTIVE_INFO           1269
#define IDC_OUT1_INACTIVE_KIND           1242
#define IDC_OUT1_INACTIVE_RANGE          1247
#define IDC_OUT1_INACTIVE_DELAY_LABEL    1248
#define IDC_OUT1_INACTIVE_DELAY          1249

// "Discrete outputs" page: output 2.
#define IDC_OUT2_GROUP                   1240
#define IDC_OUT2_SOURCE                  1221
#define IDC_OUT2_ACTIVE_LABEL            1257
#define IDC_OUT2_ACTIVE_INFO             1271
#define IDC_OUT2_ACTIVE_KIND             1258
#define IDC_OUT2_ACTIVE_RANGE            1223
#define IDC_OUT2_ACTIVE_DELAY_LABEL      1251
#define IDC_OUT2_ACTIVE_DELAY            1252
#define IDC_OUT2_INACTIVE_LABEL          1243
#define IDC_OUT2_INACTIVE_INFO           1273
#define IDC_OUT2_INACTIVE_KIND           1246
#define IDC_OUT2_INACTIVE_RANGE          1254
#define IDC_OUT2_INACTIVE_DELAY_LABEL    1255
#define IDC_OUT2_INACTIVE_DELAY          1256

// The info markers carry ids in this range (not every id of it is used).
#define IDC_OUTPUTS_INFO_FIRST           1268
#define IDC_OUTPUTS_INFO_LAST            1273

// "Additional settings" page.
#define IDC_ANGLE_ZERO_LABEL             1223
#define IDC_ANGLE_ZERO_VECTOR            1080
#define IDC_ANGLE_APPROX_LABEL           1222
#define IDC_ANGLE_APPROX_INTERVAL        1079
#define IDC_ANGLE_STATE_GROUP            1224
#define IDC_ANGLE_WORKING_LABEL          1229
#define IDC_ANGLE_WORKING_KIND           1227
#define IDC_ANGLE_WORKING_RANGE          1221
#define IDC_ANGLE_WORKING_DELAY_LABEL    1228
#define IDC_ANGLE_WORKING_DELAY          1225
#define IDC_ANGLE_IDLE_LABEL             1239
#define IDC_ANGLE_IDLE_KIND              1240
#define IDC_ANGLE_IDLE_RANGE             1226
#define IDC_ANGLE_IDLE_DELAY_LABEL       1230
#define IDC_ANGLE_IDLE_DELAY             1231
#define IDC_ANGLE_MOTION_GROUP           1232
#define IDC_ANGLE_THRESHOLD_LABEL        1233
#define IDC_ANGLE_THRESHOLD              1234
#define IDC_ANGLE_MOTION_TIMEOUT_LABEL   1235
#define IDC_ANGLE_MOTION_TIMEOUT         1236
#define IDC_ANGLE_PULSE_GROUP            1238
#define IDC_ANGLE_PULSE_TIMEOUT_LABEL    1237
#define IDC_ANGLE_PULSE_TIMEOUT          1220

// "Additional data" page.
#define IDC_AUX_VALUE_LIST               1078

// "Log" page.
#define IDC_LOG_DIAGNOSTICS              1207
#define IDC_LOG_DIAGNOSTICS_TEXT         1204
#define IDC_LOG_FAST_POLLING             1217
#define IDC_LOG_SAVE_DATA                1208
#define IDC_LOG_SAVE_FULL_DATA           1209
#define IDC_LOG_CLEANUP                  1091
#define IDC_LOG_TEST_VALUE               1256
#define IDC_LOG_TEST                     1206
#define IDC_LOG_TRACE                    1075
#define IDC_LOG_DATA_FILE                1205

// "Chart" page.
#define IDC_CHART_VIEW                   1300
#define IDC_CHART_LLS1                   1301
#define IDC_CHART_LLS2                   1302
#define IDC_CHART_EXTRAS                 1303
#define IDC_CHART_SPAN_LABEL             1304
#define IDC_CHART_SPAN                   1305
#define IDC_CHART_PAUSE                  1306
#define IDC_CHART_SAVE                   1307
