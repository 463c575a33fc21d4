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
