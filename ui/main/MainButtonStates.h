// Which command buttons of the main window are shown and usable, from what the connection
// and the session say.
#pragma once

struct MainWindowConditions
{
    bool connectionActive = false;  // the manager's connection state is not 0
    bool sessionReady = false;      // the session talks to a supported sensor
    bool settingsWritable = false;  // the edited settings are modified or were rejected
    bool portValid = false;         // the stored COM port is present and its baud rate is offered
    bool settingsHeld = false;      // the session has received the sensor's settings
};

struct MainButtonStates
{
    bool connectShown = false;
    bool connectEnabled = false;
    // Disconnect stands where Connect stands, shown and usable together.
    bool disconnectShown = false;
    // "Modify..." and the sensor address: the connection block.
    bool connectionEditable = false;
    // Read settings, network setup, zero setup, firmware update.
    bool sessionCommands = false;
    bool writeSettings = false;
    // "Export settings..." and "Import settings..." of the system menu.
    bool settingsProfiles = false;
};

MainButtonStates MainButtonStatesFor(const MainWindowConditions& conditions);
