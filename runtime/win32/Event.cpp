// Manual-reset event of a worker thread: created and destroyed on the worker, set from anywhere.
#include "runtime/win32/Event.h"

#include "runtime/win32/Thread.h"

TEvent::TEvent(TThread* owner, unsigned short id, const wchar_t* name, int position)
    : THandleObject(name, nullptr), m_owner(owner), m_id(id)
{
    if (!owner) {
        MarkFailed(errc::kWrongState);
        return;
    }
    m_flags = kOwnsHandle | kAutoCreate;
    if (!owner->AddEvent(this, position))
        MarkFailed(errc::kOutOfMemory);
}

TEvent::~TEvent()
{
    Destroy();
    if (m_owner)
        m_owner->RemoveEvent(this);
    // An owned handle was closed by Destroy; a foreign one is never closed.
    SetHandle(InvalidValue());
}

bool TEvent::Create()
{
    if (IsCreated())
        return true;
    if (!IsOk()) {
        LogTrace(L"Create KO(not Ok)");
        return false;
    }
    if (!m_owner->IsWorkerThread()) {
        SetError(errc::kInvalidThreadId);
        LogTrace(L"Create KO(another thread)");
        return false;
    }
    if (!(m_flags & kAutoCreate)) {
        LogTrace(L"Create OK(explicit creation)");
        return true;
    }
    if (!CreateHandle())
        return false;
    if (!m_owner->AttachHandle(this)) {
        CloseHandle();
        SetError(errc::kOutOfMemory);
        return false;
    }
    SetError(0);
    SetCreated(true);
    return true;
}

bool TEvent::Destroy()
{
    if (IsCreated()) {
        if (!m_owner->IsWorkerThread()) {
            SetError(errc::kInvalidThreadId);
            LogTrace(L"Destroy KO(another thread)");
            return false;
        }
        m_owner->DetachHandle(this);
        CloseHandle();
        SetCreated(false);
    } else {
        CloseHandle();
    }
    return true;
}

bool TEvent::CreateHandle()
{
    if (!(m_flags & kOwnsHandle)) {
        if (HasHandle())
            return true;
        SetError(errc::kInvalidHandle);
        LogError(L"CreateHandle KO(invalid handle)");
        return false;
    }
    if (HasHandle()) {
        SetError(errc::kWrongState);
        return false;
    }
    HANDLE handle = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!handle) {
        SetError(GetLastError());
        LogError(L"CreateEvent %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    SetHandle(handle);
    return true;
}

bool TEvent::CloseHandle()
{
    if (!(m_flags & kOwnsHandle))
        return true;
    if (CloseOwnedHandle())
        return true;
    LogError(L"CloseHandle %lu", GetLastError());
    return false;
}

bool TEvent::IsSignaled()
{
    const DWORD r = WaitForSingleObject(GetHandle(), 0);
    if (r == WAIT_OBJECT_0)
        return true;
    if (r == WAIT_FAILED) {
        SetError(GetLastError());
        LogError(L"WaitForSingleObject %lu", static_cast<unsigned long>(GetError()));
        return false;
    }
    SetError(0);
    return false;
}

bool TEvent::Set()
{
    if (SetEvent(GetHandle()))
        return true;
    LogError(L"SetEvent %lu", GetLastError());
    return false;
}

bool TEvent::Reset()
{
    if (ResetEvent(GetHandle()))
        return true;
    LogError(L"ResetEvent %lu", GetLastError());
    return false;
}
