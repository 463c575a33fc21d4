// Last-chance guard of worker threads on the process's unhandled-exception filter.
#include "runtime/win32/ThreadCrashGuard.h"

#include <windows.h>

#include <process.h>

#include <mutex>

#include "runtime/LogExcept.h"
#include "runtime/win32/CrashReport.h"

// The compiler offers no __try/__except, so the guard is the last-chance filter: it reports the
// exception and resumes the thread in its recovery routine on a clean part of its own stack.
namespace {

struct GuardFrame {
    TThreadCrashGuard::Recovery recovery;
    void* context;
    DWORD64 resumeStack;
};

const DWORD g_frameSlot = TlsAlloc();
LPTOP_LEVEL_EXCEPTION_FILTER g_previousFilter = nullptr;

[[noreturn]] void ResumeAfterException(GuardFrame* frame)
{
    TlsSetValue(g_frameSlot, nullptr);
    frame->recovery(frame->context);
    _endthreadex(0);
}

LONG WINAPI GuardFilter(EXCEPTION_POINTERS* info)
{
    auto* frame = static_cast<GuardFrame*>(TlsGetValue(g_frameSlot));
    if (!frame)
        return g_previousFilter ? g_previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
    WriteCrashReport(*info->ExceptionRecord);
    if (LogExceptValue() != 0)
        return g_previousFilter ? g_previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
    // Continue as if ResumeAfterException(frame) had just been called below the guard's frame.
    CONTEXT* c = info->ContextRecord;
    c->Rsp = frame->resumeStack - 8;
    c->Rip = reinterpret_cast<DWORD64>(&ResumeAfterException);
    c->Rcx = reinterpret_cast<DWORD64>(frame);
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

unsigned TThreadCrashGuard::Run(Body body, Recovery recovery, void* context)
{
    static std::once_flag installed;
    std::call_once(installed, [] { g_previousFilter = SetUnhandledExceptionFilter(&GuardFilter); });
    // The recovery runs well below this frame, which therefore survives, frame included.
    volatile unsigned char anchor[16] = {};
    GuardFrame frame{recovery, context, (reinterpret_cast<DWORD64>(&anchor[0]) - 1024) & ~DWORD64{15}};
    TlsSetValue(g_frameSlot, &frame);
    const unsigned result = body(context);
    TlsSetValue(g_frameSlot, nullptr);
    return result;
}
