// Messages the session asks to show, held until the manager's handling has returned.
#include "ui/main/DeferredPrompt.h"

#include <utility>

CDeferredPrompt::CDeferredPrompt(std::function<void()> requestDelivery) : m_requestDelivery(std::move(requestDelivery))
{
}

void CDeferredPrompt::ShowMessage(const std::wstring& text)
{
    m_waiting.push_back(text);
    // While delivering, the running Deliver picks it up.
    if (m_requested || m_delivering)
        return;
    m_requested = true;
    if (m_requestDelivery)
        m_requestDelivery();
}

void CDeferredPrompt::Deliver(const TShow& show)
{
    m_requested = false;
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_waiting.empty()) {
        const std::wstring text = std::move(m_waiting.front());
        m_waiting.pop_front();
        show(text);
    }
    m_delivering = false;
}
