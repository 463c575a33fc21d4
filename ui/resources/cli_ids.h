// String ids of kivra-cli's own messages (its scripts: cli_en.rc, cli_ru.rc). Plain
// "#define NAME number" lines, as in resource.h: the host build's generator reads them itself.
// Arguments are "%s" each, filled in order by CliText.
#pragma once

// Finding sensors: scan.
#define IDS_CLI_SCAN_START               2000
#define IDS_CLI_SCAN_FOUND               2001
#define IDS_CLI_SCAN_NO_SERIAL           2002
#define IDS_CLI_SCAN_UNKNOWN_MODEL       2003
#define IDS_CLI_SCAN_COLLIDED_COMMON     2004
#define IDS_CLI_SCAN_COLLIDED            2005
#define IDS_CLI_SCAN_DAMAGED             2006
#define IDS_CLI_SCAN_SUMMARY             2007
#define IDS_CLI_SCAN_NONE                2008
#define IDS_CLI_SCAN_INTERRUPTED         2009
#define IDS_CLI_SCAN_PROGRESS            2010

// The command line: the usage line, and what is wrong with a word ("%s needs %s" takes the command
// and one of the phrases after it; "%s %s: %s" the option, its value and the rule).
#define IDS_CLI_USAGE_ERROR              2100
#define IDS_CLI_ARG_UNKNOWN_COMMAND      2101
#define IDS_CLI_ARG_UNKNOWN_OPTION       2102
#define IDS_CLI_ARG_NEEDS_VALUE          2103
#define IDS_CLI_ARG_BAD_VALUE            2104
#define IDS_CLI_ARG_BAUD                 2105
#define IDS_CLI_ARG_RELAY                2106
#define IDS_CLI_ARG_TERMINAL             2107
#define IDS_CLI_ARG_TERMINAL_PORT        2108
#define IDS_CLI_ARG_ADDRESS              2109
#define IDS_CLI_ARG_TIMEOUT              2110
#define IDS_CLI_ARG_LANG                 2111
#define IDS_CLI_ARG_COUNT                2112
#define IDS_CLI_ARG_ON_OFF               2113
#define IDS_CLI_ARG_ADDRESSES            2114
#define IDS_CLI_ARG_PORT_OR_RELAY        2115
#define IDS_CLI_ARG_RELAY_TERMINAL       2116
#define IDS_CLI_ARG_TERMINAL_RELAY       2117
#define IDS_CLI_ARG_SCAN_LINK            2118
#define IDS_CLI_ARG_SCAN_ONLY            2119
#define IDS_CLI_ARG_NEEDS                2120
#define IDS_CLI_ARG_NOTHING_AFTER_GET    2121
#define IDS_CLI_ARG_A_FILE               2122
#define IDS_CLI_ARG_NEW_ADDRESS          2123
#define IDS_CLI_ARG_A_VALUE              2124
#define IDS_CLI_ARG_NO_OPERANDS          2125
#define IDS_CLI_ARG_SET_NOT_BOTH         2126
#define IDS_CLI_ARG_SET_NEEDS            2127
#define IDS_CLI_ARG_SETTINGS_NEEDS       2128
#define IDS_CLI_ARG_NOT_ADDRESS          2129
#define IDS_CLI_ARG_NOT_NUMBER           2130
#define IDS_CLI_ARG_READ_GAP             2131
#define IDS_CLI_ARG_JOBS                 2132
#define IDS_CLI_ARG_RETRIES              2133
#define IDS_CLI_ARG_FLEET_NEEDS          2134
#define IDS_CLI_ARG_FLEET_FILE           2135
#define IDS_CLI_ARG_FLEET_FOLDER         2136
#define IDS_CLI_ARG_FLEET_FILES          2137
#define IDS_CLI_ARG_FLEET_LINK           2138
#define IDS_CLI_ARG_FLEET_RELAY          2139

// Connecting, the commands' outcomes and failures.
#define IDS_CLI_NO_WINDOW                2140
#define IDS_CLI_TRACE_FILE               2141
#define IDS_CLI_RESOURCES_FILE           2142
#define IDS_CLI_INTERRUPTED              2143
#define IDS_CLI_SERVER_SILENT            2144
#define IDS_CLI_SERVER_REFUSED           2145
#define IDS_CLI_TERMINAL_REFUSED         2146
#define IDS_CLI_NO_ANSWER_WITHIN         2147
#define IDS_CLI_UNSUPPORTED_MODEL        2148
#define IDS_CLI_UNKNOWN_MODEL            2149
#define IDS_CLI_ZERO_UNCHANGED           2150
#define IDS_CLI_NETWORK_ADDRESS          2151
#define IDS_CLI_TEST_REFUSED             2152
#define IDS_CLI_TEST_ACCEPTED            2153
#define IDS_CLI_FIRMWARE_NOT_READY       2154
#define IDS_CLI_FIRMWARE_ABANDONED       2155
#define IDS_CLI_CANNOT_WRITE             2157
#define IDS_CLI_ROWS_APPENDED            2159
#define IDS_CLI_NO_PORTS                 2160
#define IDS_CLI_INVALID_VALUE            2161
#define IDS_CLI_NOTHING_WRITTEN          2162
#define IDS_CLI_CANNOT_READ              2163
#define IDS_CLI_SETTINGS_EXPORTED        2164
#define IDS_CLI_NOTHING_TO_WRITE         2165

// Labels of info's lines (its JSON keys stay as they are) and the firmware progress.
#define IDS_CLI_INFO_CONNECTION          2170
#define IDS_CLI_INFO_LINK                2171
#define IDS_CLI_INFO_MODEL               2172
#define IDS_CLI_INFO_FIRMWARE_VERSION    2173
#define IDS_CLI_INFO_SERIAL_NUMBER       2174
#define IDS_CLI_INFO_NETWORK_ADDRESS     2175
#define IDS_CLI_INFO_REQUEST_ADDRESS     2176
#define IDS_CLI_INFO_SETTINGS            2177
#define IDS_CLI_INFO_COMMON              2178
#define IDS_CLI_PROGRESS_BYTES           2180
#define IDS_CLI_PROGRESS_RATE            2181
#define IDS_CLI_PROGRESS_FIRMWARE        2182

// Fleet work: the list of vehicles ("line %s: %s" takes the line number and what is wrong there).
#define IDS_CLI_FLEET_LINE               2300
#define IDS_CLI_FLEET_BAD_FIELD          2301
#define IDS_CLI_FLEET_NO_TERMINAL        2302
#define IDS_CLI_FLEET_DUPLICATE          2303
#define IDS_CLI_FLEET_UNKNOWN_COLUMN     2304
#define IDS_CLI_FLEET_REPEATED_COLUMN    2305
#define IDS_CLI_FLEET_NO_TERMINAL_COLUMN 2306
#define IDS_CLI_FLEET_FIELD_COUNT        2307
#define IDS_CLI_FLEET_EMPTY              2308
#define IDS_CLI_FLEET_OPEN_QUOTE         2309
#define IDS_CLI_REPORT_UNKNOWN_COLUMN    2310
#define IDS_CLI_REPORT_MISSING_COLUMN    2311
#define IDS_CLI_REPORT_NOT_ITS_VALUE     2312
#define IDS_CLI_FLEET_PROGRESS           2313
#define IDS_CLI_FLEET_SUMMARY            2314
#define IDS_CLI_FLEET_TERMINAL           2315
#define IDS_CLI_FLEET_TERMINAL_LABELLED  2316
#define IDS_CLI_FLEET_VEHICLE_DONE       2317
#define IDS_CLI_FLEET_VEHICLE_SKIPPED    2318
#define IDS_CLI_FLEET_VEHICLE_FAILED     2319
#define IDS_CLI_FLEET_READ_BACK_DIFFERS  2320
#define IDS_CLI_FLEET_STOPPED_AT         2321
#define IDS_CLI_FLEET_NOT_STARTED        2322
#define IDS_CLI_FLEET_NOTHING_STARTED    2323

// chart: its options and what it says.
#define IDS_CLI_ARG_SIZE                 2340
#define IDS_CLI_ARG_SERIES               2341
#define IDS_CLI_ARG_SECONDS              2342
#define IDS_CLI_ARG_TO_AFTER_FROM        2343
#define IDS_CLI_ARG_CHART_OUT            2344
#define IDS_CLI_ARG_CHART_ONLY           2345
#define IDS_CLI_CHART_WRITTEN            2346

// The --help text: the lines from IDS_CLI_HELP_HEAD_FIRST to IDS_CLI_HELP_HEAD_LAST, one an id,
// then each command's lines, then the lines from IDS_CLI_HELP_TAIL_FIRST to IDS_CLI_HELP_TAIL_LAST;
// a line that ends a paragraph ends with "\n". A command's lines are its IDS_CLI_HELP_<COMMAND>
// and the ids after it up to the first without a text: ten ids a command.
#define IDS_CLI_HELP_HEAD_FIRST          2200
#define IDS_CLI_HELP_HEAD_LAST           2215
#define IDS_CLI_HELP_TAIL_FIRST          2235
#define IDS_CLI_HELP_TAIL_LAST           2239
#define IDS_CLI_HELP_INFO                2400
#define IDS_CLI_HELP_SETTINGS            2410
#define IDS_CLI_HELP_LIVE                2420
#define IDS_CLI_HELP_LOG                 2430
#define IDS_CLI_HELP_ZERO                2440
#define IDS_CLI_HELP_ADDRESS             2450
#define IDS_CLI_HELP_DIAG                2460
#define IDS_CLI_HELP_TEST                2470
#define IDS_CLI_HELP_FIRMWARE            2480
#define IDS_CLI_HELP_PORTS               2490
#define IDS_CLI_HELP_SCAN                2500
#define IDS_CLI_HELP_CHART               2520
#define IDS_CLI_HELP_FLEET               2540
#define IDS_CLI_HELP_HELP                2530
