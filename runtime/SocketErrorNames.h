// Symbolic names of the socket library's error codes, for the diagnostic log and for a failure the
// system has no text for.
#pragma once

#include <cstddef>

// The name of a socket error code (e.g. 10061 "WSAECONNREFUSED"), or nullptr
// for a code without one, which the log then writes as a number.
const char* SocketErrorName(int code);

// Number of codes that have a name.
std::size_t SocketErrorNameCount();
