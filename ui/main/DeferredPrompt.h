// Messages the session asks to show while the manager handles an event. Showing a message box
// there would run a message loop inside that handling, so the next channel event or timer tick
// would re-enter the manager; the messages wait instead until the handling has returned.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "protocol/UserPrompt.h"

class CDeferredPrompt : public CUserPrompt
{
public:
    using TShow = std::function<void(const std::wstring& text)>;

    // requestDelivery must arrange for Deliver to run after the current handling has returned
    // (the window posts itself a message); it is asked once per batch of waiting messages.
    explicit CDeferredPrompt(std::function<void()> requestDelivery);

    void ShowMessage(const std::wstring& text) override;

    // Shows the waiting messages in order. Showing may run a message loop: a message that comes
    // meanwhile is shown after the current one, and a request that arrives meanwhile finds
    // nothing left to show.
    void Deliver(const TShow& show);

    bool HasWaiting() const { return !m_waiting.empty(); }

private:
    std::function<void()> m_requestDelivery;
    std::deque<std::wstring> m_waiting;
    bool m_requested = false;
    bool m_delivering = false;
};
