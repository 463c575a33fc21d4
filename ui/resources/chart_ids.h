// String ids of the chart (its scripts: chart_en.rc, chart_ru.rc): series names, the bands,
// and what is said about a data-log file. Plain "#define NAME number" lines, as in resource.h:
// the host build's generator reads them itself. Arguments are "%s" each, filled in order.
#pragma once

// Series, as the legend and the pointer's readout name them.
#define IDS_CHART_ANGLE                  1200
#define IDS_CHART_TEMPERATURE            1201
#define IDS_CHART_LLS1                   1202
#define IDS_CHART_LLS2                   1203
#define IDS_CHART_VECTOR_X               1204
#define IDS_CHART_VECTOR_Y               1205
#define IDS_CHART_VECTOR_Z               1206
#define IDS_CHART_AUXILIARY              1207
#define IDS_CHART_OUTPUT1                1208
#define IDS_CHART_OUTPUT2                1209
#define IDS_CHART_MAGNET1                1210
#define IDS_CHART_MAGNET2                1211

// Axes, bands and an empty chart.
#define IDS_CHART_VALUES_AXIS            1220
#define IDS_CHART_TIME_AXIS              1221
#define IDS_CHART_BAND_ACTIVE            1222
#define IDS_CHART_BAND_INACTIVE          1223
#define IDS_CHART_BAND_UNWRITTEN         1224
#define IDS_CHART_NO_VALUES              1225

// The chart page and saving a picture ("%s" the file, then the system's reason).
#define IDS_TAB_CHART                    1226
#define IDS_CHART_PAUSE                  1227
#define IDS_CHART_RESUME                 1228
#define IDS_CHART_SPAN_MINUTES           1229
#define IDS_CHART_PICTURE_FILTER         1230
#define IDS_CHART_CANNOT_SAVE            1231

// The strip's lanes, named short beside them.
#define IDS_CHART_LANE_OUTPUT1           1232
#define IDS_CHART_LANE_OUTPUT2           1233
#define IDS_CHART_LANE_MAGNET1           1234
#define IDS_CHART_LANE_MAGNET2           1235

// A data-log file ("%s" the file, a count, a line number or a line's text).
#define IDS_CHART_LOG_NO_ROWS            1240
#define IDS_CHART_LOG_SKIPPED            1241
#define IDS_CHART_LOG_SKIPPED_LINE       1242
#define IDS_CHART_LOG_ROWS               1243
