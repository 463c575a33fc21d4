// Worker thread with a start handshake and an event loop that dispatches its events by identifier.
#pragma once

#include <windows.h>

#include <atomic>

#include "runtime/TCollection.h"
#include "runtime/TCriticalSection.h"
#include "runtime/TLogObject.h"

class TEvent;
class TThreadStartData;

class TThread : public TLogObject {
public:
    // Exit code of a thread that ended normally; any other code is an abnormal end.
    static constexpr DWORD kNormalExit = 2;
    static constexpr unsigned short kExitEventId = 0xFFFF;
    // Wait results besides a handle's index.
    static constexpr int kTimedOut = -1;
    static constexpr int kQuit = -2;

    // A termination timeout of INFINITE makes Destroy wait for ever. With pumpMessages, waits on
    // the worker itself also dispatch its window messages.
    TThread(const wchar_t* name, DWORD terminationTimeout, bool pumpMessages);
    ~TThread() override;

    // result: 0 signalled (also abandoned), kTimedOut, kQuit (a WM_QUIT arrived; it stays queued).
    virtual bool WaitSingle(HANDLE handle, int& result, DWORD timeout);
    // index: the signalled handle's position, kTimedOut or kQuit.
    virtual bool WaitMultiple(DWORD count, const HANDLE* handles, int& index, DWORD timeout);
    // Body of the new thread; returns its exit code.
    virtual DWORD ThreadEntry(TThreadStartData& start);
    // On the worker before the loop: open resources, start first operations; false fails Create.
    virtual bool AfterCreate() { return true; }
    // On the worker after the loop: close resources.
    virtual void BeforeDestroy() {}
    virtual bool DoEventLoop();
    // 1 continue, -1 end the loop, 0 no handler for the identifier.
    virtual int DoEvent(unsigned short id);
    // Not on the worker. True when the thread runs, after its events exist and AfterCreate ran.
    virtual bool Create();
    // Not on the worker. True when the thread is gone; false on the termination timeout (the
    // handle is kept for another try) or when called from the worker (1444).
    virtual bool Destroy();
    virtual bool IsActive();

    // The event registry, for TEvent.
    bool AddEvent(TEvent* event, int position);
    void RemoveEvent(TEvent* event);
    bool AttachHandle(TEvent* event);
    void DetachHandle(TEvent* event);

    bool IsWorkerThread() const { return GetCurrentThreadId() == m_threadId.load(); }
    DWORD ThreadId() const { return m_threadId.load(); }
    TEvent* ExitEvent() const { return m_exitEvent; }
    int EventCount() const { return m_events.Count(); }
    int CreatedEventCount() const { return m_waitHandles.Count(); }

protected:
    // One entry of a class's event table; a table ends with an entry without handler.
    template <class T>
    struct TEventEntry {
        unsigned short id;
        bool (T::*handler)(unsigned short id);
    };

    // Looks id up in a class's own table: 1 or -1 by the handler's answer, 0 when not listed.
    template <class T>
    static int DispatchEvent(T* self, const TEventEntry<T>* table, unsigned short id)
    {
        for (; table->handler; ++table)
            if (table->id == id)
                return (self->*(table->handler))(id) ? 1 : -1;
        return 0;
    }

private:
    friend class TThreadGuard;

    bool EvExitProc(unsigned short id);
    bool CreateEvents(TThreadStartData& start);
    void DestroyEventsFrom(int last);
    void RunLoopGuarded();
    void CloseThreadHandle();
    bool PumpMessages();
    bool UsesMessagePump() const { return m_pumpMessages && IsWorkerThread(); }

    TCriticalSection m_lock;
    HANDLE m_thread = nullptr;
    std::atomic<DWORD> m_threadId{0};
    DWORD m_terminationTimeout;
    bool m_pumpMessages;
    TCollection m_events;
    TCollection m_waitHandles;
    TEvent* m_exitEvent = nullptr;
    // Set while the event loop runs; after a structured exception it asks for the clean-up.
    volatile bool m_inLoop = false;
};
