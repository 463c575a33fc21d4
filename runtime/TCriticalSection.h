// Recursive in-process lock, the platform critical section.
#pragma once

#include <mutex>

#include "runtime/TLockObject.h"

class TCriticalSection : public TLockObject {
public:
    bool Lock() override
    {
        m_mutex.lock();
        return true;
    }
    void Unlock() override { m_mutex.unlock(); }

private:
    std::recursive_mutex m_mutex;
};
