// Key codes of key messages.
#include "ui/window/KeyCode.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyCode, PressesCarryThePressBitReleasesAreBare)
{
    EXPECT_EQ(KeyCodeOfMessage(kMessageKeyDown, 0x73), 0x10073u);  // F4
    EXPECT_EQ(KeyCodeOfMessage(kMessageKeyUp, 0x73), 0x73u);
    EXPECT_EQ(KeyCodeOfMessage(kMessageKeyDown, 0xABCD007B), 0x1007Bu) << "only the low 16 bits";
    EXPECT_EQ(KeyCodeOfMessage(0x102, 0x41), std::nullopt) << "WM_CHAR";
    EXPECT_EQ(KeyCodeOfMessage(0x104, 0x73), std::nullopt) << "WM_SYSKEYDOWN";
    EXPECT_EQ(KeyPress(0x75), 65653u);
}

}  // namespace
