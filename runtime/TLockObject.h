// Lock interface of the runtime library and the block-scoped lock that uses it.
#pragma once

#include "runtime/TObject.h"

class TLockObject : public TObject {
public:
    using TObject::TObject;
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;
};

// Locks on entry (when given a lock that agrees) and unlocks on every exit from the block.
class TScopedLock {
public:
    explicit TScopedLock(TLockObject* lock) : m_lock(lock)
    {
        if (m_lock && !m_lock->Lock())
            m_lock = nullptr;
    }
    TScopedLock(const TScopedLock&) = delete;
    TScopedLock& operator=(const TScopedLock&) = delete;
    ~TScopedLock()
    {
        if (m_lock)
            m_lock->Unlock();
    }

private:
    TLockObject* m_lock;
};
