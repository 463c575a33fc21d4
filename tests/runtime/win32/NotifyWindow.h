// Test helper: a message-only window that hands "Conn notify" messages to a channel.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class CConnectionWrapper;

// Receives a channel's notifications and calls its OnEvent, as the connection manager does.
class NotifyWindow {
public:
    struct Notice {
        WPARAM wParam;
        LPARAM side;
        int result;  // what OnEvent answered
    };

    NotifyWindow();
    ~NotifyWindow();

    HWND Handle() const { return m_window; }
    UINT Message() const { return m_message; }

    // Dispatches messages, passing each notification to channel.OnEvent and then to the test's
    // observer, until done() holds or the time is up.
    bool PumpUntil(CConnectionWrapper& channel, const std::function<bool()>& done, DWORD timeoutMs = 5000);
    void OnNotice(std::function<void(const Notice&)> observer) { m_observer = std::move(observer); }
    const std::vector<Notice>& Notices() const { return m_notices; }
    int Count(LPARAM side, WPARAM wParam) const;

private:
    HWND m_window = nullptr;
    UINT m_message = 0;
    std::vector<Notice> m_notices;
    std::function<void(const Notice&)> m_observer;
};
