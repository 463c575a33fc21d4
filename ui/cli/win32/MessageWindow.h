// The message-only window of kivra-cli: it receives "Conn notify", "Updt notify" and the timer, as the main window does.
#pragma once

#include <cstdint>
#include <functional>

class CConnectionManagerBase;

class CMessageWindow
{
public:
    CMessageWindow();
    ~CMessageWindow();
    CMessageWindow(const CMessageWindow&) = delete;
    CMessageWindow& operator=(const CMessageWindow&) = delete;

    bool IsValid() const { return m_window != nullptr; }
    void* Handle() const { return m_window; }
    unsigned ChannelMessage() const { return m_channelMessage; }
    unsigned UpdateMessage() const { return m_updateMessage; }

    // Where channel events and timer ticks go, who hears of the change bits, and who looks
    // at the manager right after each event (its state by the time a posted update is read
    // may already be a later one).
    void Attach(CConnectionManagerBase* manager, std::function<void(unsigned bits)> onUpdate,
                std::function<void()> afterEvent = nullptr);

    // Handles the messages that are waiting, or waits for one up to waitMs; false when none came.
    bool PumpOnce(unsigned waitMs);

    // A message the window procedure got; false for those it leaves to the default handling.
    bool Deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

private:

    void* m_window = nullptr;
    unsigned m_channelMessage = 0;
    unsigned m_updateMessage = 0;
    CConnectionManagerBase* m_manager = nullptr;
    std::function<void(unsigned)> m_onUpdate;
    std::function<void()> m_afterEvent;
};

// The manager's one timer on this window.
constexpr unsigned kManagerTimerId = 1;
