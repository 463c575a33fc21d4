// Owner of one operating-system handle.
#include "runtime/THandleObject.h"

THandleObject::THandleObject(const wchar_t* name, THandle invalidValue)
    : TFriendlyLogObject(name), m_invalid(invalidValue), m_handle(invalidValue)
{
}

THandleObject::~THandleObject() { CloseOwnedHandle(); }

bool THandleObject::CloseOwnedHandle()
{
    if (!HasHandle())
        return true;
    const THandle handle = m_handle;
    m_handle = m_invalid;
    return OsCloseHandle(handle);
}
