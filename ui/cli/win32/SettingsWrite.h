// Writing edited settings texts as the window's write does, then waiting for the sensor's read-back verdict.
#pragma once

#include "protocol/SettingsTexts.h"
#include "ui/cli/ExitCode.h"

class CSensorLink;

// Invalid texts are reported key by key and nothing is sent; texts equal to what the
// sensor holds are not written either.
ExitCode WriteSettingsTexts(CSensorLink& link, const SettingsTexts& edited);
