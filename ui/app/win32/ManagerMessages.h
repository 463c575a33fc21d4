// The two registered messages between the connection manager and its window.
#pragma once

#include "ui/app/ManagerMessageRouter.h"

// A router over "Conn notify" and "Updt notify", registered once per process.
CManagerMessageRouter MakeManagerMessageRouter();
