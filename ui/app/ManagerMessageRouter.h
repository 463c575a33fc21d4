// The connection manager's window messages, as a window procedure hands them on: channel events and
// timer ticks to the manager, posted change bits to the window's own update pass.
#pragma once

#include "runtime/WindowLink.h"

#include <cstdint>
#include <functional>

class CConnectionManagerBase;

// The manager's one timer on its window.
constexpr unsigned kManagerTimerId = 1;

class CManagerMessageRouter
{
public:
    // The numbers of the registered messages "Conn notify" and "Updt notify".
    CManagerMessageRouter(unsigned channelMessage, unsigned updateMessage)
        : m_channelMessage(channelMessage), m_updateMessage(updateMessage)
    {
    }

    unsigned ChannelMessage() const { return m_channelMessage; }
    unsigned UpdateMessage() const { return m_updateMessage; }

    // Hands the window, the timer id and both message numbers over to the manager, and routes
    // from now on. onUpdate hears the change bits of every update; afterEvent, when given, looks
    // at the manager right after each channel event or tick (by the time a posted update is
    // read, the manager may already stand somewhere later).
    void Attach(CConnectionManagerBase& manager, TWindowHandle window, std::function<void(unsigned bits)> onUpdate,
                std::function<void()> afterEvent = nullptr);
    // Routes nothing any more.
    void Detach();

    // True when the message was the manager's (the window procedure then returns 0); every
    // timer tick is offered to the manager, which takes only its own.
    bool Route(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

private:
    unsigned m_channelMessage;
    unsigned m_updateMessage;
    CConnectionManagerBase* m_manager = nullptr;
    std::function<void(unsigned)> m_onUpdate;
    std::function<void()> m_afterEvent;
};
