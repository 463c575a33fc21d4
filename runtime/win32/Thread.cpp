// Worker thread: start handshake, event loop with table dispatch, message-pumping waits, stop.
#include "runtime/win32/Thread.h"

#include <process.h>

#include <clocale>
#include <new>

#include "runtime/win32/Event.h"
#include "runtime/win32/ThreadCrashGuard.h"
#include "runtime/win32/ThreadStartData.h"

namespace {

constexpr int kListStep = 32;

unsigned long long AsNumber(const void* p) { return reinterpret_cast<ULONG_PTR>(p); }

// What the guarded start routine needs, on the new thread's own stack.
struct StartContext {
    TThread* thread;
    TThreadStartData* start;
};

}  // namespace

// Runs the body of a worker thread inside its last-chance guard.
class TThreadGuard {
public:
    static unsigned __stdcall StartRoutine(void* arg)
    {
        auto* start = static_cast<TThreadStartData*>(arg);
        StartContext context{start->Owner(), start};
        // Returning ends the thread through _endthreadex with this exit code.
        return TThreadCrashGuard::Run(&Body, &Recover, &context);
    }

private:
    static unsigned Body(void* context)
    {
        auto* c = static_cast<StartContext*>(context);
        return c->thread->ThreadEntry(*c->start);
    }

    // After a handled exception: the loop's termination guard still closes the resources.
    static void Recover(void* context)
    {
        TThread* thread = static_cast<StartContext*>(context)->thread;
        if (thread->m_inLoop) {
            thread->m_inLoop = false;
            thread->LogError(L"BeforeDestroy after SE(thread=%08X)", static_cast<unsigned>(GetCurrentThreadId()));
            thread->BeforeDestroy();
        }
    }
};

TThread::TThread(const wchar_t* name, DWORD terminationTimeout, bool pumpMessages)
    : TLogObject(name),
      m_terminationTimeout(terminationTimeout),
      m_pumpMessages(pumpMessages),
      m_events(kListStep, kListStep),
      m_waitHandles(kListStep, kListStep)
{
    if (!AdoptStatus(&m_events) || !AdoptStatus(&m_waitHandles))
        return;
    m_exitEvent = new (std::nothrow) TEvent(this, kExitEventId, nullptr, -1);
    // An exit event that is not on the list would not be deleted with the others.
    if (!AdoptStatus(m_exitEvent)) {
        delete m_exitEvent;
        m_exitEvent = nullptr;
    }
}

TThread::~TThread()
{
    Destroy();
    // Each event takes itself off the list when deleted; the thread owns them all.
    while (m_events.Count() > 0)
        delete static_cast<TEvent*>(m_events.At(0));
    CloseThreadHandle();
}

bool TThread::Create()
{
    TScopedLock lock(&m_lock);
    LogTrace(L"Create");
    if (m_thread) {
        DWORD code = 0;
        if (GetExitCodeThread(m_thread, &code) && code == STILL_ACTIVE) {
            LogTrace(L"Create OK(active)");
            return true;
        }
        CloseThreadHandle();
    }
    if (!IsOk()) {
        LogTrace(L"Create KO(not Ok)");
        return false;
    }
    TThreadStartDataExt start(this);
    if (!start.IsOk()) {
        SetError(start.GetError());
        LogError(L"TThreadStartData %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    unsigned newId = 0;
    m_thread = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &TThreadGuard::StartRoutine, &start, CREATE_SUSPENDED, &newId));
    if (!m_thread) {
        SetError(GetLastError());
        LogError(L"CreateThread %lu", static_cast<unsigned long>(GetError()));
    } else {
        LogError(L"Thread (this=%08llX,thread=%08X,handle=%08llX,from=%08X)", AsNumber(this), newId,
                 AsNumber(m_thread), static_cast<unsigned>(GetCurrentThreadId()));
        ResumeThread(m_thread);
        const HANDLE handles[2] = {start.StartedEvent(), m_thread};
        int index = 0;
        if (WaitMultiple(2, handles, index, INFINITE) && index == 0) {
            if (!start.Failed()) {
                start.CloseStarted();
                SetEvent(start.GoEvent());
                start.HandOverGo();
                SetError(0);
                LogTrace(L"Create OK");
                return true;
            }
            int ignored = 0;
            WaitSingle(m_thread, ignored, INFINITE);
        }
    }
    CloseThreadHandle();
    m_threadId = 0;
    LogTrace(L"Create KO");
    return false;
}

bool TThread::Destroy()
{
    TScopedLock lock(&m_lock);
    if (!m_thread)
        return true;
    LogTrace(L"Destroy");
    if (IsWorkerThread()) {
        SetError(errc::kInvalidThreadId);
        LogTrace(L"Destroy KO(thread is the same)");
        return false;
    }
    DWORD code = 0;
    if (!GetExitCodeThread(m_thread, &code)) {
        LogError(L"GetExitCodeThread %lu", GetLastError());
        CloseThreadHandle();
        LogTrace(L"Destroy OK(not valid)");
        return true;
    }
    if (code == kNormalExit) {
        LogTrace(L"Destroy OK(not active)");
        CloseThreadHandle();
        return true;
    }
    if (code == STILL_ACTIVE) {
        if (!SetEvent(m_exitEvent->GetHandle()))
            LogError(L"SetEvent %lu", GetLastError());
        int result = 0;
        if (WaitSingle(m_thread, result, m_terminationTimeout) && result == kTimedOut) {
            SetError(errc::kWrongState);
            LogError(L"WaitForSingleObject (termination timeout)");
            return false;
        }
        CloseThreadHandle();
        LogTrace(L"Destroy OK");
        return true;
    }
    LogError(L"Abnormal thread exit %lu", code);
    CloseThreadHandle();
    return true;
}

bool TThread::IsActive()
{
    TScopedLock lock(&m_lock);
    if (!m_thread)
        return false;
    DWORD code = 0;
    if (!GetExitCodeThread(m_thread, &code)) {
        LogError(L"GetExitCodeThread %lu", GetLastError());
        return false;
    }
    if (code == STILL_ACTIVE)
        return true;
    if (code != kNormalExit)
        LogError(L"Abnormal thread exit %lu", code);
    return false;
}

DWORD TThread::ThreadEntry(TThreadStartData& start)
{
    if (start.ThreadLocale() && *start.LocaleName()) {
        SetThreadLocale(start.ThreadLocale());
        _wsetlocale(LC_CTYPE, start.LocaleName());
    }
    LogError(L"Entry (this=%08llX,thread=%08X)", AsNumber(this), static_cast<unsigned>(GetCurrentThreadId()));
    m_threadId = GetCurrentThreadId();
    if (!CreateEvents(start))
        return kNormalExit;
    LogTrace(L"AfterCreate");
    if (!AfterCreate()) {
        LogTrace(L"AfterCreate KO");
        start.SetFailed();
        SetEvent(start.StartedEvent());
    } else {
        LogTrace(L"AfterCreate OK");
        // The record lives on the creator's stack and may be gone once the go event is set.
        const HANDLE go = start.GoEvent();
        SetEvent(start.StartedEvent());
        // A plain wait: a quit message must not cut the handshake short while the creator still
        // has to set this handle. The message stays queued for the loop.
        WaitForSingleObject(go, INFINITE);
        CloseHandle(go);
        RunLoopGuarded();
    }
    LogTrace(L"DestroyEvents");
    DestroyEventsFrom(m_events.Count() - 1);
    m_threadId = 0;
    return kNormalExit;
}

bool TThread::CreateEvents(TThreadStartData& start)
{
    LogTrace(L"CreateEvents");
    for (int i = 0; i < m_events.Count(); ++i) {
        TEvent* event = static_cast<TEvent*>(m_events.At(i));
        if (event->Create())
            continue;
        SetError(event->GetError());
        DestroyEventsFrom(i - 1);
        LogTrace(L"CreateEvents KO");
        start.SetFailed();
        m_threadId = 0;
        SetEvent(start.StartedEvent());
        return false;
    }
    return true;
}

void TThread::DestroyEventsFrom(int last)
{
    for (int i = last; i >= 0; --i)
        static_cast<TEvent*>(m_events.At(i))->Destroy();
}

void TThread::RunLoopGuarded()
{
    // Cleared only by a normal return; the crash guard's recovery reads it to run the clean-up.
    m_inLoop = true;
    DoEventLoop();
    m_inLoop = false;
    LogTrace(L"BeforeDestroy");
    BeforeDestroy();
}

bool TThread::DoEventLoop()
{
    LogTrace(L"DoEventLoop");
    for (;;) {
        HANDLE handles[MAXIMUM_WAIT_OBJECTS];
        const int count = m_waitHandles.Count() < MAXIMUM_WAIT_OBJECTS ? m_waitHandles.Count() : MAXIMUM_WAIT_OBJECTS;
        for (int i = 0; i < count; ++i)
            handles[i] = m_waitHandles.At(i);
        int index = 0;
        if (!WaitMultiple(static_cast<DWORD>(count), handles, index, INFINITE)) {
            LogTrace(L"DoEventLoop KO");
            return false;
        }
        if (index == kQuit) {
            LogTrace(L"DoEventLoop OK(quit)");
            return true;
        }
        if (index == kTimedOut)
            continue;
        TEvent* event = static_cast<TEvent*>(m_events.At(index));
        // Reset before the handler, so that a Set made while it runs is not lost.
        event->Reset();
        const int result = DoEvent(event->Id());
        if (result == 0) {
            LogTrace(L"DoEvent (not found)");
        } else if (result < 0) {
            LogTrace(L"DoEventLoop OK");
            return true;
        }
    }
}

int TThread::DoEvent(unsigned short id)
{
    static const TEventEntry<TThread> table[] = {{kExitEventId, &TThread::EvExitProc}, {0, nullptr}};
    return DispatchEvent(this, table, id);
}

bool TThread::EvExitProc(unsigned short)
{
    LogTrace(L"EvExitProc");
    return false;
}

bool TThread::WaitSingle(HANDLE handle, int& result, DWORD timeout)
{
    const bool pumping = UsesMessagePump();
    for (;;) {
        const DWORD r = pumping ? MsgWaitForMultipleObjects(1, &handle, FALSE, timeout, QS_ALLINPUT)
                                : WaitForSingleObject(handle, timeout);
        if (pumping && r == WAIT_OBJECT_0 + 1) {
            if (PumpMessages()) {
                result = kQuit;
                return true;
            }
            continue;
        }
        if (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED_0) {
            result = 0;
            return true;
        }
        if (r == WAIT_TIMEOUT) {
            result = kTimedOut;
            return true;
        }
        SetError(GetLastError());
        if (pumping)
            LogError(L"MsgWaitForMultipleObjects %lu(%X,this=%08llX)", static_cast<unsigned long>(GetError()),
                     static_cast<unsigned>(r), AsNumber(this));
        else
            LogError(L"WaitForSingleObject %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
}

bool TThread::WaitMultiple(DWORD count, const HANDLE* handles, int& index, DWORD timeout)
{
    const bool pumping = UsesMessagePump();
    for (;;) {
        const DWORD r = pumping ? MsgWaitForMultipleObjects(count, handles, FALSE, timeout, QS_ALLINPUT)
                                : WaitForMultipleObjects(count, handles, FALSE, timeout);
        if (pumping && r == WAIT_OBJECT_0 + count) {
            if (PumpMessages()) {
                index = kQuit;
                return true;
            }
            continue;
        }
        if (r < WAIT_OBJECT_0 + count) {
            index = static_cast<int>(r - WAIT_OBJECT_0);
            return true;
        }
        if (r >= WAIT_ABANDONED_0 && r < WAIT_ABANDONED_0 + count) {
            index = static_cast<int>(r - WAIT_ABANDONED_0);
            return true;
        }
        if (r == WAIT_TIMEOUT) {
            index = kTimedOut;
            return true;
        }
        SetError(GetLastError());
        LogError(pumping ? L"MsgWaitForMultipleObjects %lu,%lu" : L"WaitForMultipleObjects %lu,%lu",
                 static_cast<unsigned long>(GetError()), r);
        return false;
    }
}

bool TThread::PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            LogTrace(L"PeekMessage (WM_QUIT,%u,%u,%lu", msg.message, static_cast<unsigned>(msg.wParam),
                     static_cast<unsigned long>(msg.lParam));
            // Put back, so that an outer message loop ends as well.
            PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return true;
        }
        LogTrace(L"PeekMessage (%08lX,%u,%u,%lu", static_cast<unsigned long>(AsNumber(msg.hwnd)), msg.message,
                 static_cast<unsigned>(msg.wParam), static_cast<unsigned long>(msg.lParam));
        DispatchMessageW(&msg);
    }
    return false;
}

bool TThread::AddEvent(TEvent* event, int position)
{
    if (m_events.IndexOf(event) >= 0)
        return true;
    if (m_events.InsertAt(event, position < 0 ? m_events.Count() : position) >= 0)
        return true;
    SetError(m_events.GetError());
    return false;
}

void TThread::RemoveEvent(TEvent* event)
{
    const int index = m_events.IndexOf(event);
    if (index >= 0)
        m_events.RemoveAt(index);
}

bool TThread::AttachHandle(TEvent* event)
{
    const int index = m_events.IndexOf(event);
    if (index < 0)
        return false;
    const int landed = m_waitHandles.InsertAt(event->GetHandle(), index);
    if (landed == index)
        return true;
    SetError(m_waitHandles.GetError());
    // A handle that landed elsewhere would pair the wait list with the wrong events.
    if (landed >= 0)
        m_waitHandles.RemoveAt(landed);
    return false;
}

void TThread::DetachHandle(TEvent* event)
{
    const int index = m_events.IndexOf(event);
    if (index >= 0)
        m_waitHandles.RemoveAt(index);
}

void TThread::CloseThreadHandle()
{
    if (m_thread) {
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
}
