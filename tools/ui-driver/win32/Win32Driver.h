// The driver's hands and eyes on the Windows desktop it shares with the program under test. It
// keeps a stack of current windows: wait-window, message-box and file-dialog put the window they
// find on top; wait-closed, answer and file-dialog take it off when it has closed, so a script
// returns to the window that opened a dialog.
#pragma once

#include "DriverTarget.h"
#include "Keyboard.h"

#include <windows.h>

#include <vector>

class CWin32Driver : public IDriverTarget
{
public:
    CQueryValue Query(const CDriverCommand& command) override;
    std::string Act(const CDriverCommand& command, int timeoutMs) override;
    void Pause(int ms) override;
    long long NowMs() override;

private:
    HWND Current() const;
    HWND Control(const CDriverCommand& command) const;
    // A control a person could use: shown and enabled.
    HWND UsableControl(const CDriverCommand& command) const;
    bool OnStack(HWND window) const;
    // The first shown top-level window not yet on the stack that the test accepts, within the
    // time limit; null when none came.
    template <typename Test>
    HWND AwaitNewWindow(int timeoutMs, Test test);
    bool AwaitClosed(HWND window, int timeoutMs);
    void BringToForeground();
    void FocusControl(HWND control);

    std::string WaitWindow(const std::string& pattern, int timeoutMs);
    std::string WaitClosed(int timeoutMs);
    // Drags the frame as a person would: the client area becomes percent of its size.
    std::string Zoom(int percent);
    // Drags the window by its caption as a person would: its top-left corner goes to x, y.
    std::string Move(int x, int y);
    std::string AwaitMessageBox(const std::string& pattern, int timeoutMs);
    std::string Answer(int buttonId, int timeoutMs);
    std::string FileDialog(const std::string& path, int timeoutMs);
    std::string Select(const CDriverCommand& command);
    std::string TabSelect(const CDriverCommand& command);
    std::string Type(const CDriverCommand& command);
    std::string MessageText() const;
    // The tooltip that shows when the mouse rests on the control: its width limit, its display
    // time and its text, as "WIDTH AUTOPOP-MS TEXT".
    std::string Tooltip(HWND control);

    std::vector<HWND> stack;
    CKeyboard keyboard;
};
