// Tests of the worker thread and its events: handshake, dispatch order, stopping, quit, crash.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <mutex>
#include <vector>

#include "runtime/ErrorCodes.h"
#include "runtime/win32/Event.h"
#include "runtime/win32/Thread.h"
#include "tests/runtime/win32/CapturedLog.h"

namespace {

// Polls until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(1);
    }
    return true;
}

// A worker with three events (identifiers 1, 2, 3) whose handlers record their identifier and
// then run the test's action on the worker.
class ProbeThread : public TThread {
public:
    explicit ProbeThread(DWORD terminationTimeout = INFINITE) : TThread(nullptr, terminationTimeout, true)
    {
        first = new TEvent(this, 1);
        second = new TEvent(this, 2);
        third = new TEvent(this, 3);
    }
    ~ProbeThread() override { Destroy(); }

    std::vector<unsigned short> Handled()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_handled;
    }
    bool WaitHandled(std::size_t count)
    {
        return WaitUntil([&] { return Handled().size() >= count; });
    }

    TEvent* first;
    TEvent* second;
    TEvent* third;
    bool afterCreateResult = true;
    std::function<void(unsigned short)> action;
    volatile LONG beforeDestroyCalls = 0;
    volatile bool quitQueuedAtEnd = false;

protected:
    bool AfterCreate() override
    {
        // Gives the worker its message queue before anyone posts to it.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        return afterCreateResult;
    }
    void BeforeDestroy() override
    {
        InterlockedIncrement(&beforeDestroyCalls);
        MSG msg;
        quitQueuedAtEnd = PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
    }
    int DoEvent(unsigned short id) override
    {
        static const TEventEntry<ProbeThread> table[] = {
            {1, &ProbeThread::Record}, {2, &ProbeThread::Record}, {3, &ProbeThread::Record}, {0, nullptr}};
        const int result = DispatchEvent(this, table, id);
        return result != 0 ? result : TThread::DoEvent(id);
    }

private:
    bool Record(unsigned short id)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_handled.push_back(id);
        }
        if (action)
            action(id);
        return true;
    }

    std::mutex m_mutex;
    std::vector<unsigned short> m_handled;
};

// Checks that the lines appear in this order (other lines may come between them).
void ExpectInOrder(const CapturedLog& log, const std::vector<std::string>& lines)
{
    std::size_t at = 0;
    for (const std::string& line : lines) {
        const std::size_t found = log.FindLine(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << log.Text();
        at = found + 1;
    }
}

TEST(ThreadTest, StartsRunsStopsAndStartsAgain)
{
    CapturedLog log("lifecycle", 3);
    ProbeThread thread;
    ASSERT_TRUE(thread.Create());
    EXPECT_TRUE(thread.IsActive());
    EXPECT_NE(thread.ThreadId(), 0u);
    EXPECT_EQ(thread.CreatedEventCount(), 4);  // the exit event and the three of the probe

    // A second Create finds the thread running and starts no other.
    EXPECT_TRUE(thread.Create());
    EXPECT_TRUE(log.HasLine("TRACE;;Create OK(active)"));
    EXPECT_EQ(log.CountLines("Entry (this="), 1);

    thread.first->Set();
    ASSERT_TRUE(thread.WaitHandled(1));
    ASSERT_TRUE(thread.Destroy());
    EXPECT_FALSE(thread.IsActive());
    EXPECT_EQ(thread.ThreadId(), 0u);
    EXPECT_EQ(thread.CreatedEventCount(), 0);
    EXPECT_EQ(thread.beforeDestroyCalls, 1);
    ExpectInOrder(log, {"TRACE;;CreateEvents", "TRACE;;AfterCreate", "TRACE;;AfterCreate OK", "TRACE;;DoEventLoop",
                        "TRACE;;EvExitProc", "TRACE;;DoEventLoop OK", "TRACE;;BeforeDestroy", "TRACE;;DestroyEvents"});
    ExpectInOrder(log, {"TRACE;;Create", "TRACE;;Create OK", "TRACE;;Destroy", "TRACE;;Destroy OK"});

    // Without a thread Destroy succeeds and writes nothing.
    const std::string before = log.Text();
    EXPECT_TRUE(thread.Destroy());
    EXPECT_EQ(log.Text(), before);

    // The events are created anew by the next start.
    ASSERT_TRUE(thread.Create());
    EXPECT_EQ(thread.CreatedEventCount(), 4);
    thread.second->Set();
    ASSERT_TRUE(thread.WaitHandled(2));
    EXPECT_EQ(thread.Handled(), (std::vector<unsigned short>{1, 2}));
}

TEST(ThreadTest, FailedHandshakeLeavesNoThread)
{
    struct Case {
        const char* name;
        std::function<void(ProbeThread&)> breakIt;
        std::function<void(ProbeThread&)> repair;
        TErrorCode error;
        const char* line;
    };
    const Case cases[] = {
        {"an event whose handle cannot be created",
         // An event that neither owns a handle nor was given one cannot be created.
         [](ProbeThread& t) { t.third->SetFlags(TEvent::kAutoCreate); },
         [](ProbeThread& t) { t.third->SetFlags(TEvent::kOwnsHandle | TEvent::kAutoCreate); }, errc::kInvalidHandle,
         "ERROR;;CreateHandle KO(invalid handle)"},
        {"AfterCreate returning false", [](ProbeThread& t) { t.afterCreateResult = false; },
         [](ProbeThread& t) { t.afterCreateResult = true; }, 0, "TRACE;;AfterCreate KO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CapturedLog log("handshake", 3);
        ProbeThread thread;
        c.breakIt(thread);
        EXPECT_FALSE(thread.Create());
        EXPECT_EQ(thread.GetError(), c.error);
        EXPECT_FALSE(thread.IsActive());
        EXPECT_EQ(thread.ThreadId(), 0u);
        EXPECT_EQ(thread.CreatedEventCount(), 0);
        EXPECT_EQ(thread.beforeDestroyCalls, 0);
        EXPECT_TRUE(log.HasLine(c.line));
        EXPECT_TRUE(log.HasLine("TRACE;;Create KO"));
        // The thread ended normally (exit code 2), not abnormally.
        EXPECT_EQ(log.CountLines("Abnormal thread exit"), 0);

        c.repair(thread);
        ASSERT_TRUE(thread.Create());
        EXPECT_TRUE(thread.Destroy());
        EXPECT_EQ(thread.beforeDestroyCalls, 1);
    }
}

TEST(ThreadTest, DestroyFromInsideAHandlerIsRefused)
{
    CapturedLog log("self-destroy", 3);
    ProbeThread thread;
    volatile bool result = true;
    volatile TErrorCode error = 0;
    thread.action = [&](unsigned short) {
        result = thread.Destroy();
        error = thread.GetError();
    };
    ASSERT_TRUE(thread.Create());
    thread.first->Set();
    ASSERT_TRUE(thread.WaitHandled(1));
    ASSERT_TRUE(WaitUntil([&] { return error != 0; }));
    EXPECT_FALSE(result);
    EXPECT_EQ(error, errc::kInvalidThreadId);
    EXPECT_TRUE(log.HasLine("TRACE;;Destroy KO(thread is the same)"));
    EXPECT_TRUE(thread.IsActive());
    EXPECT_TRUE(thread.Destroy());
}

TEST(ThreadTest, TerminationTimeoutKeepsTheHandleForAnotherTry)
{
    CapturedLog log("timeout", 3);
    HANDLE gate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ProbeThread thread(100);
    thread.action = [&](unsigned short) { WaitForSingleObject(gate, 10000); };
    ASSERT_TRUE(thread.Create());
    thread.third->Set();
    ASSERT_TRUE(thread.WaitHandled(1));

    EXPECT_FALSE(thread.Destroy());
    EXPECT_EQ(thread.GetError(), errc::kWrongState);
    EXPECT_TRUE(log.HasLine("ERROR;;WaitForSingleObject (termination timeout)"));
    EXPECT_TRUE(thread.IsActive());

    // The kept handle allows further tries; a loaded machine may need more than one
    // 100 ms window for the released worker to end.
    SetEvent(gate);
    bool destroyed = false;
    for (int attempt = 0; attempt < 50 && !destroyed; ++attempt)
        destroyed = thread.Destroy();
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(thread.IsActive());
    EXPECT_TRUE(log.HasLine("TRACE;;Destroy OK"));
    CloseHandle(gate);
}

TEST(ThreadTest, QuitMessageEndsTheLoopAndStaysQueued)
{
    CapturedLog log("quit", 3);
    ProbeThread thread;
    ASSERT_TRUE(thread.Create());
    ASSERT_TRUE(PostThreadMessageW(thread.ThreadId(), WM_QUIT, 7, 9));
    ASSERT_TRUE(WaitUntil([&] { return !thread.IsActive(); }));
    EXPECT_TRUE(log.HasLine("TRACE;;PeekMessage (WM_QUIT,18,7,9"));
    EXPECT_TRUE(log.HasLine("TRACE;;DoEventLoop OK(quit)"));
    EXPECT_TRUE(thread.quitQueuedAtEnd);
    EXPECT_EQ(thread.beforeDestroyCalls, 1);
    EXPECT_TRUE(thread.Destroy());
    EXPECT_TRUE(log.HasLine("TRACE;;Destroy OK(not active)"));
}

TEST(ThreadTest, WindowMessagesAreDispatchedWhileWaiting)
{
    CapturedLog log("dispatch", 3);
    ProbeThread thread;
    ASSERT_TRUE(thread.Create());
    ASSERT_TRUE(PostThreadMessageW(thread.ThreadId(), WM_USER + 5, 3, 4));
    ASSERT_TRUE(WaitUntil([&] { return log.CountLines(",1029,3,4") == 1; }));
    EXPECT_TRUE(log.HasLine("TRACE;;PeekMessage (00000000,1029,3,4"));
    // The loop goes on waiting for its events.
    thread.first->Set();
    EXPECT_TRUE(thread.WaitHandled(1));
    EXPECT_TRUE(thread.IsActive());
}

TEST(ThreadTest, EventsSignalledTogetherRunInListOrder)
{
    CapturedLog log("order", 0);
    HANDLE gate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ProbeThread thread;
    bool firstAgain = true;
    thread.action = [&](unsigned short id) {
        if (id == 3)
            WaitForSingleObject(gate, 10000);
        // Reset before the handler ran, so this Set is not lost.
        if (id == 1 && firstAgain) {
            firstAgain = false;
            thread.first->Set();
        }
    };
    ASSERT_TRUE(thread.Create());
    thread.third->Set();
    ASSERT_TRUE(thread.WaitHandled(1));
    thread.second->Set();
    thread.first->Set();
    SetEvent(gate);
    ASSERT_TRUE(thread.WaitHandled(4));
    EXPECT_EQ(thread.Handled(), (std::vector<unsigned short>{3, 1, 1, 2}));
    EXPECT_FALSE(thread.first->IsSignaled());
    CloseHandle(gate);
}

TEST(ThreadTest, UnlistedAndExplicitlyCreatedEvents)
{
    CapturedLog log("unlisted", 3);
    ProbeThread thread;
    TEvent* unlisted = new TEvent(&thread, 9);
    TEvent* explicitOne = new TEvent(&thread, 10);
    explicitOne->SetFlags(TEvent::kOwnsHandle);
    ASSERT_TRUE(thread.Create());
    EXPECT_TRUE(log.HasLine("TRACE;;Create OK(explicit creation)"));
    EXPECT_EQ(thread.EventCount(), 6);
    EXPECT_EQ(thread.CreatedEventCount(), 5);
    EXPECT_FALSE(explicitOne->IsCreated());

    unlisted->Set();
    ASSERT_TRUE(WaitUntil([&] { return log.HasLine("TRACE;;DoEvent (not found)"); }));
    thread.first->Set();
    EXPECT_TRUE(thread.WaitHandled(1));
    EXPECT_TRUE(thread.IsActive());
}

TEST(EventTest, RefusesWithoutOwnerAndOffTheWorker)
{
    CapturedLog log("event", 3);
    TEvent orphan(nullptr, 5);
    EXPECT_FALSE(orphan.IsOk());
    EXPECT_EQ(orphan.GetError(), errc::kWrongState);
    EXPECT_FALSE(orphan.Create());
    EXPECT_TRUE(log.HasLine("TRACE;;Create KO(not Ok)"));

    ProbeThread thread;
    EXPECT_FALSE(thread.first->Create());
    EXPECT_EQ(thread.first->GetError(), errc::kInvalidThreadId);
    EXPECT_TRUE(log.HasLine("TRACE;;Create KO(another thread)"));
    EXPECT_FALSE(thread.first->IsCreated());
}

TEST(ThreadTest, AccessViolationInAHandlerIsReportedAndEndsTheThread)
{
    CapturedLog log("crash", 1);
    ProbeThread thread;
    thread.action = [](unsigned short) { *static_cast<volatile int*>(nullptr) = 1; };
    ASSERT_TRUE(thread.Create());
    const DWORD worker = thread.ThreadId();
    thread.first->Set();
    ASSERT_TRUE(WaitUntil([&] { return !thread.IsActive(); }));

    char se[80];
    std::snprintf(se, sizeof se, "ERROR;;SE (thread=%08X,code=C0000005,", static_cast<unsigned>(worker));
    EXPECT_EQ(log.CountLines(se), 1) << log.Text();
    EXPECT_EQ(log.CountLines(",rw=00000001,vaddr=00000000)"), 1);
    EXPECT_GE(log.CountLines(".exe:\tbase="), 1);
    EXPECT_GE(log.CountLines(".dll:\tbase="), 1);
    char after[64];
    std::snprintf(after, sizeof after, "ERROR;;BeforeDestroy after SE(thread=%08X)", static_cast<unsigned>(worker));
    EXPECT_TRUE(log.HasLine(after));
    EXPECT_EQ(thread.beforeDestroyCalls, 1);
    EXPECT_TRUE(log.HasLine("ERROR;;Abnormal thread exit 0"));
    EXPECT_TRUE(thread.Destroy());
}

// A mutex whose owner thread ended without releasing it.
HANDLE AbandonedMutex()
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    HANDLE owner = CreateThread(
        nullptr, 0, [](LPVOID m) -> DWORD { return WaitForSingleObject(static_cast<HANDLE>(m), INFINITE); }, mutex, 0,
        nullptr);
    WaitForSingleObject(owner, INFINITE);
    CloseHandle(owner);
    return mutex;
}

TEST(ThreadTest, WaitsReportIndexTimeoutAbandonmentAndFailure)
{
    CapturedLog log("waits", 1);
    HANDLE idle = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE set = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    HANDLE abandonedOne = AbandonedMutex();
    HANDLE abandonedTwo = AbandonedMutex();
    // Far beyond any handle the process opens, so no later handle can take its value.
    const HANDLE invalid = reinterpret_cast<HANDLE>(ULONG_PTR{0x0FFFFFFC});

    struct Case {
        const char* name;
        std::vector<HANDLE> handles;
        bool ok;
        int result;
    };
    const Case cases[] = {
        {"signalled", {set}, true, 0},
        {"timed out", {idle}, true, TThread::kTimedOut},
        {"abandoned", {abandonedOne}, true, 0},
        {"invalid", {invalid}, false, 0},
        {"second of two signalled", {idle, set}, true, 1},
        {"none of two signalled", {idle, idle}, true, TThread::kTimedOut},
        {"second of two abandoned", {idle, abandonedTwo}, true, 1},
        {"one of two invalid", {idle, invalid}, false, 0},
    };
    // Not started: every caller is off the worker and gets the plain waits.
    ProbeThread thread;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int result = 77;
        const bool ok = c.handles.size() == 1
                            ? thread.WaitSingle(c.handles[0], result, 10)
                            : thread.WaitMultiple(static_cast<DWORD>(c.handles.size()), c.handles.data(), result, 10);
        EXPECT_EQ(ok, c.ok);
        if (ok)
            EXPECT_EQ(result, c.result);
        else
            EXPECT_EQ(thread.GetError(), errc::kInvalidHandle);
    }
    EXPECT_TRUE(log.HasLine("ERROR;;WaitForSingleObject 6"));
    EXPECT_TRUE(log.HasLine("ERROR;;WaitForMultipleObjects 6,4294967295"));

    // On the worker itself the waits pump messages and name that call in their failure lines.
    volatile bool done = false;
    thread.action = [&](unsigned short) {
        int result = 0;
        thread.WaitSingle(invalid, result, 10);
        const HANDLE pair[2] = {idle, invalid};
        thread.WaitMultiple(2, pair, result, 10);
        done = true;
    };
    ASSERT_TRUE(thread.Create());
    thread.first->Set();
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    EXPECT_EQ(log.CountLines("ERROR;;MsgWaitForMultipleObjects 6(FFFFFFFF,this="), 1) << log.Text();
    EXPECT_TRUE(log.HasLine("ERROR;;MsgWaitForMultipleObjects 6,4294967295"));
    EXPECT_TRUE(thread.Destroy());
    for (HANDLE h : {idle, set, abandonedOne, abandonedTwo})
        CloseHandle(h);
}

}  // namespace
