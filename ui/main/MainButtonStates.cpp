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
    // Settings left from a sensor that is gone are no profile to save, nor anything to import over.
    s.settingsProfiles = c.sessionReady && c.settingsHeld;
    return s;
}
