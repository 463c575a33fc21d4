// The diagnostic-log report of a structured exception: the exception line and the module list.
#pragma once

#include <windows.h>

void WriteCrashReport(const EXCEPTION_RECORD& record);
