// The program's start-up: the interface language, the image library, the one connection
// manager and the main window, torn down in the reverse order when the window closes.
#pragma once

#include <windows.h>

#include <string>

class CKivraApp {
public:
    // Runs the main window to its end. False: there is nothing left to run afterwards.
    bool InitInstance(const std::wstring& commandLine);

    // Every key press and release of the interface thread goes first to the main window's key
    // dispatch; true when it took the key.
    static bool PreTranslateMessage(MSG& message);
};
