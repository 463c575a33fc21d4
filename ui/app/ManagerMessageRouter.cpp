// The connection manager's window messages, as a window procedure hands them on: channel events and
// timer ticks to the manager, posted change bits to the window's own update pass.
#include "ui/app/ManagerMessageRouter.h"

#include "remote/ConnectionManagerBase.h"

void CManagerMessageRouter::Attach(CConnectionManagerBase& manager, TWindowHandle window,
                                   std::function<void(unsigned bits)> onUpdate, std::function<void()> afterEvent)
{
    manager.SetNotifyTarget(window, kManagerTimerId, m_channelMessage, m_updateMessage);
    m_manager = &manager;
    m_onUpdate = std::move(onUpdate);
    m_afterEvent = std::move(afterEvent);
}

void CManagerMessageRouter::Detach()
{
    m_manager = nullptr;
    m_onUpdate = nullptr;
    m_afterEvent = nullptr;
}

bool CManagerMessageRouter::Route(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!m_manager)
        return false;
    if (message == m_channelMessage || message == kTimerMessage) {
        m_manager->OnWindowMessage(message, wParam, message == kTimerMessage ? 0 : lParam);
        if (m_afterEvent)
            m_afterEvent();
        return true;
    }
    if (message == m_updateMessage) {
        if (m_onUpdate)
            m_onUpdate(static_cast<unsigned>(wParam));
        return true;
    }
    return false;
}
