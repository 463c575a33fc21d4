// Which command buttons of the main window are shown and usable.
#include "ui/main/MainButtonStates.h"

MainButtonStates MainButtonStatesFor(const MainWindowConditions& c)
{
    MainButtonStates s;
    s.disconnectShown = c.connectionActive;
    s.connectShown = !c.connectionActive;
    s.connectEnabled = !c.connectionActive && c.portValid;
    s.connectionEditable = !c.connectionActive;
    s.sessionCommands = c.sessionReady;
    s.writeSettings = c.settingsWritable;
    return s;
}
