// How the log page's two data-log check boxes map to the session's data log and back.
#pragma once

// The modes of the session's SetDataLog, and the states the boxes show.
namespace DataLogMode
{
constexpr int Off = 0;
constexpr int Data = 1;
constexpr int FullData = 2;
}

// What the session really holds: no log, a log of data, a log of full data.
int DataLogStateOf(bool holdsLog, bool fullData);

// What the boxes ask for: "Save full data" counts only while "Save data" is checked.
int DataLogModeOf(bool saveData, bool saveFullData);
