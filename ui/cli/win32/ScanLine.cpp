// The serial channel a scan talks through, with a message-only window of its own for the channel's events.
#include "ui/cli/win32/ScanLine.h"

#include "protocol/RequestFrame.h"
#include "remote/ChannelFactory.h"
#include "runtime/RxBuffer.h"
#include "runtime/ConnectionWrapper.h"
#include "runtime/ProcessClock.h"
#include "ui/cli/ScanPlan.h"
#include "ui/cli/win32/Interruption.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kClassName = L"KivraCliScanLine";
constexpr UINT kChannelMessage = WM_APP + 1;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* line = reinterpret_cast<CScanLine*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (line && message == kChannelMessage) {
        line->OnChannelEvent(lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

CScanLine::CScanLine()
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_window = window;
}

CScanLine::~CScanLine()
{
    Close();
    if (m_window)
        DestroyWindow(static_cast<HWND>(m_window));
}

bool CScanLine::Open(const std::wstring& port, uint32_t baud)
{
    Close();
    m_failed = false;
    if (!m_window) {
        m_failure = GetLastError();
        return false;
    }
    // The probe waits are counted with this gap (see ScanPlan.h).
    const int opened = PlatformChannels().OpenSerial(port, baud, kSerialReadGapMs, m_window, kChannelMessage, m_channel);
    if (opened < 0) {
        m_failure = m_channel ? m_channel->FailureCode() : 0;
        m_channel.Reset();
        return false;
    }
    // Raw answers have no line ends: every byte received is offered.
    m_channel->GetRxBuffer().SetPartialData(true);
    return true;
}

void CScanLine::Close()
{
    if (m_channel) {
        m_channel->Close();
        m_channel.Reset();
    }
}

void CScanLine::OnChannelEvent(std::intptr_t side)
{
    if (!m_channel)
        return;
    const int result = m_channel->OnEvent(static_cast<int>(side));
    if (result < 0) {
        m_failed = true;
        m_failure = m_channel->FailureCode();
        return;
    }
    if (side == CConnectionWrapper::kOutputSide)
        m_written = true;
    CRxBuffer& rx = m_channel->GetRxBuffer();
    if (side == CConnectionWrapper::kInputSide && rx.Length() > rx.ReadPosition()) {
        rx.RestoreTerminators();
        if (m_received)
            m_received->insert(m_received->end(), rx.Data() + rx.ReadPosition(), rx.Data() + rx.Length());
        rx.Clear();
    }
}

CScanLine::Result CScanLine::Exchange(const CRequestFrame& request, unsigned waitMs, std::vector<uint8_t>& received)
{
    received.clear();
    if (!m_channel || m_failed)
        return Result::Lost;
    m_received = &received;
    m_written = false;
    struct Release {
        std::vector<uint8_t>*& received;
        ~Release() { received = nullptr; }
    } release{m_received};
    if (m_channel->Enqueue(request.Length(), request.Data()) < 0 || m_channel->Flush() < 0) {
        m_failed = true;
        m_failure = m_channel->FailureCode();
        return Result::Lost;
    }
    int64_t deadline = NowMilliseconds() + waitMs;
    bool timedFromWrite = false;
    for (;;) {
        if (m_failed)
            return Result::Lost;
        if (Interrupted())
            return Result::Interrupted;
        // The wait counts from the moment the port took the request, not from the queueing.
        if (m_written && !timedFromWrite) {
            timedFromWrite = true;
            deadline = NowMilliseconds() + waitMs;
        }
        const int64_t now = NowMilliseconds();
        if (now >= deadline)
            return Result::Done;
        MSG message;
        HANDLE wake = InterruptionEvent();
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            MsgWaitForMultipleObjects(wake ? 1 : 0, wake ? &wake : nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                      QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}
