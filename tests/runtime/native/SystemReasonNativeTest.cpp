// Host stand-in: a socket code has no text from the C library, so its name is given.
#include <gtest/gtest.h>

#include "runtime/SystemReason.h"

TEST(SystemReasonNative, ASocketCodeWithoutTextGivesItsName)
{
    EXPECT_EQ(SystemReasonText(10061), L"WSAECONNREFUSED");
    EXPECT_EQ(SystemReasonText(10060), L"WSAETIMEDOUT");
}
