// Root object of the runtime library.
#include "runtime/TObject.h"

TObject::TObject(const wchar_t* name)
{
    if (!m_name.Assign(name))
        MarkFailed(errc::kOutOfMemory);
}

bool TObject::AddRef() { return m_refCount.fetch_add(1) + 1 > 0; }

bool TObject::Release() { return m_refCount.fetch_sub(1) - 1 <= 0; }

bool TObject::AdoptStatus(const TObject* member)
{
    if (member && member->IsOk())
        return true;
    MarkFailed(member ? member->GetError() : errc::kOutOfMemory);
    return false;
}

void TObject::MarkFailed(TErrorCode code)
{
    m_error = code;
    m_ok = 0;
}

bool TObject::Fail(TErrorCode code)
{
    m_error = code;
    return false;
}

bool TObject::SetName(const wchar_t* name)
{
    if (m_name.Assign(name))
        return true;
    m_error = errc::kOutOfMemory;
    return false;
}
