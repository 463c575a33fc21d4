// How the log page's two data-log check boxes map to the session's data log and back.
#pragma once

#include "protocol/DataLogMode.h"

// What the session really holds, which the boxes show.
DataLogMode DataLogStateOf(bool holdsLog, bool fullData);

// What the boxes ask for: "Save full data" counts only while "Save data" is checked.
DataLogMode DataLogModeOf(bool saveData, bool saveFullData);
