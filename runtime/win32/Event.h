// Manual-reset event registered with a worker thread, which waits on it and dispatches its identifier.
#pragma once

#include <windows.h>

#include "runtime/THandleObject.h"

class TThread;

class TEvent : public THandleObject {
public:
    // Flag bits: the event creates and closes its own handle; the thread creates it automatically.
    static constexpr unsigned kOwnsHandle = 1;
    static constexpr unsigned kAutoCreate = 2;

    // Registers with the owner at the position (-1 appends). Without an owner the event is not ok.
    TEvent(TThread* owner, unsigned short id, const wchar_t* name = nullptr, int position = -1);
    ~TEvent() override;

    // Both on the owner's worker thread only.
    bool Create() override;
    bool Destroy() override;
    virtual bool CreateHandle();
    virtual bool CloseHandle();
    // Any thread.
    virtual bool IsSignaled();
    virtual bool Set();
    virtual bool Reset();

    unsigned short Id() const { return m_id; }
    unsigned Flags() const { return m_flags; }
    void SetFlags(unsigned flags) { m_flags = flags; }

private:
    unsigned m_flags = 0;
    TThread* m_owner;
    unsigned short m_id;
};
