// Last-chance guard of a worker thread against structured exceptions.
#pragma once

// A structured exception that no handler took ends the thread after a report instead of the
// process (unless the diagnostic log's "Except" setting asks to pass it on).
class TThreadCrashGuard {
public:
    using Body = unsigned (*)(void* context);
    using Recovery = void (*)(void* context);

    // Runs body on the calling thread and returns its result. When a structured exception from
    // body reaches the top of the thread and is handled, recovery runs on the same thread and the
    // thread ends with exit code 0; body's frames are abandoned.
    static unsigned Run(Body body, Recovery recovery, void* context);
};
