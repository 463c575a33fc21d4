// Common base of the socket classes: reference count, diagnostic log and the last socket error.
#include "remote/win32/NBWSAObject.h"

#include "runtime/SocketErrorNames.h"

void CNBWSAObject::LogSocketError(const wchar_t* what, int code)
{
    if (const char* name = SocketErrorName(code))
        LogError(L"%ls KO(%hs)", what, name);
    else
        LogError(L"%ls KO(%d)", what, code);
}
