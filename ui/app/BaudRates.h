// The baud rates a sensor line runs at, direct or through a terminal, in the order the lists show them.
#pragma once

#include <cstdint>

constexpr uint32_t kBaudRates[] = {19200, 9600, 4800};
constexpr int kBaudRateCount = 3;
constexpr uint32_t kDefaultBaudRate = 19200;

// Index in kBaudRates, -1 for any other rate.
int IndexOfBaudRate(uint32_t rate);
