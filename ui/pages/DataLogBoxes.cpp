// How the data-log check boxes map to the session's data log.
#include "ui/pages/DataLogBoxes.h"

DataLogMode DataLogStateOf(bool holdsLog, bool fullData)
{
    if (!holdsLog)
        return DataLogMode::Off;
    return fullData ? DataLogMode::FullData : DataLogMode::Data;
}

DataLogMode DataLogModeOf(bool saveData, bool saveFullData)
{
    return DataLogStateOf(saveData, saveFullData);
}
