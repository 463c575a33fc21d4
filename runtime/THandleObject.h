// Owner of one operating-system handle, with logging; base of events, ports and files.
#pragma once

#include "runtime/OsHandle.h"
#include "runtime/TLogObject.h"

class THandleObject : public TFriendlyLogObject {
public:
    // invalidValue: nullptr for events, InvalidHandleValue() for files and ports.
    THandleObject(const wchar_t* name, THandle invalidValue);
    ~THandleObject() override;

    virtual bool Create() = 0;
    virtual bool Destroy() = 0;

    THandle GetHandle() const { return m_handle; }
    bool HasHandle() const { return m_handle != m_invalid; }
    bool IsCreated() const { return m_created; }
    THandle InvalidValue() const { return m_invalid; }

protected:
    // Takes ownership of a handle (none held before).
    void SetHandle(THandle handle) { m_handle = handle; }
    void SetCreated(bool created) { m_created = created; }
    // Forgets the handle first, then closes it; true when none was held.
    bool CloseOwnedHandle();

private:
    THandle m_invalid;
    THandle m_handle;
    bool m_created = false;
};
