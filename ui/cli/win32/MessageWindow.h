// The message-only window of kivra-cli: it receives "Conn notify", "Updt notify" and the timer, as the main window does.
#pragma once

#include "ui/app/ManagerMessageRouter.h"

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

    // Hands this window over to the manager and routes its messages (see CManagerMessageRouter::Attach).
    void Attach(CConnectionManagerBase& manager, std::function<void(unsigned bits)> onUpdate,
                std::function<void()> afterEvent = nullptr);
    void Detach() { m_router.Detach(); }

    // Handles the messages that are waiting, or sleeps until one comes, waitMs are up or the
    // event wake (when not null) is signalled; false when no message was handled.
    bool PumpOnce(unsigned waitMs, void* wake);

    // A message the window procedure got; false for those it leaves to the default handling.
    bool Deliver(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
    {
        return m_router.Route(message, wParam, lParam);
    }

private:
    void* m_window = nullptr;
    CManagerMessageRouter m_router;
};
