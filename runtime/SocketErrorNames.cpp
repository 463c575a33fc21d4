// Symbolic names of the socket library's error codes, for the diagnostic log.
#include "runtime/SocketErrorNames.h"

#include <algorithm>
#include <iterator>

namespace
{
struct TErrorName
{
    int code;
    const char* name;
};

// Sorted by code.
constexpr TErrorName kNames[] = {
    {10004, "WSAEINTR"},
    {10009, "WSAEBADF"},
    {10013, "WSAEACCES"},
    {10014, "WSAEFAULT"},
    {10022, "WSAEINVAL"},
    {10024, "WSAEMFILE"},
    {10035, "WSAEWOULDBLOCK"},
    {10036, "WSAEINPROGRESS"},
    {10037, "WSAEALREADY"},
    {10038, "WSAENOTSOCK"},
    {10039, "WSAEDESTADDRREQ"},
    {10040, "WSAEMSGSIZE"},
    {10041, "WSAEPROTOTYPE"},
    {10042, "WSAENOPROTOOPT"},
    {10043, "WSAEPROTONOSUPPORT"},
    {10044, "WSAESOCKTNOSUPPORT"},
    {10045, "WSAEOPNOTSUPP"},
    {10046, "WSAEPFNOSUPPORT"},
    {10047, "WSAEAFNOSUPPORT"},
    {10048, "WSAEADDRINUSE"},
    {10049, "WSAEADDRNOTAVAIL"},
    {10050, "WSAENETDOWN"},
    {10051, "WSAENETUNREACH"},
    {10052, "WSAENETRESET"},
    {10053, "WSAECONNABORTED"},
    {10054, "WSAECONNRESET"},
    {10055, "WSAENOBUFS"},
    {10056, "WSAEISCONN"},
    {10057, "WSAENOTCONN"},
    {10058, "WSAESHUTDOWN"},
    {10059, "WSAETOOMANYREFS"},
    {10060, "WSAETIMEDOUT"},
    {10061, "WSAECONNREFUSED"},
    {10062, "WSAELOOP"},
    {10063, "WSAENAMETOOLONG"},
    {10064, "WSAEHOSTDOWN"},
    {10065, "WSAEHOSTUNREACH"},
    {10066, "WSAENOTEMPTY"},
    {10067, "WSAEPROCLIM"},
    {10068, "WSAEUSERS"},
    {10069, "WSAEDQUOT"},
    {10070, "WSAESTALE"},
    {10071, "WSAEREMOTE"},
    {10091, "WSASYSNOTREADY"},
    {10092, "WSAVERNOTSUPPORTED"},
    {10093, "WSANOTINITIALISED"},
    {10101, "WSAEDISCON"},
    {10102, "WSAENOMORE"},
    {10103, "WSAECANCELLED"},
    {10104, "WSAEINVALIDPROCTABLE"},
    {10105, "WSAEINVALIDPROVIDER"},
    {10106, "WSAEPROVIDERFAILEDINIT"},
    {10107, "WSASYSCALLFAILURE"},
    {10108, "WSASERVICE_NOT_FOUND"},
    {10109, "WSATYPE_NOT_FOUND"},
    {10110, "WSA_E_NO_MORE"},
    {10111, "WSA_E_CANCELLED"},
    {10112, "WSAEREFUSED"},
};
}

const char* SocketErrorName(int code)
{
    const auto* found = std::lower_bound(std::begin(kNames), std::end(kNames), code,
                                         [](const TErrorName& entry, int value) { return entry.code < value; });
    return found != std::end(kNames) && found->code == code ? found->name : nullptr;
}

std::size_t SocketErrorNameCount()
{
    return std::size(kNames);
}
