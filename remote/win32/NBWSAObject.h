// Common base of the socket classes: reference count, diagnostic log and the last socket error.
#pragma once

#include "runtime/TLogObject.h"
#include "runtime/RefCount.h"

class CNBWSAObject : public CRefCount, public TFriendlyLogObject
{
public:
    // Both bases count references; the sockets are held through CRefCount's.
    using CRefCount::AddRef;
    using CRefCount::Release;

    int GetLastSocketError() const { return m_lastError; }

protected:
    CNBWSAObject() = default;

    // "what KO(name)" for a named code, "what KO(code)" otherwise, at error level.
    void LogSocketError(const wchar_t* what, int code);

    int m_lastError = 0;
};
