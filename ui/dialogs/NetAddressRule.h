// What the network address dialog makes of its two texts after every keystroke.
#pragma once

#include <string>

// The highest address a sensor can be given; 255 is the common address.
constexpr int kHighestSensorAddress = 254;

struct NetAddressVerdict {
    bool accepted = false;      // false: the keystroke is undone (the texts are set back)
    bool writeEnabled = false;  // "Write" may be pressed
};

// The address text, and in service mode the serial number text, may be empty or a plain
// non-negative number; anything else is refused at once. Writing needs an address of 0 to
// 254 and, in service mode, a serial number above 0.
NetAddressVerdict CheckNetAddressTexts(const std::wstring& address, const std::wstring& serialNumber,
                                       bool serviceMode);
