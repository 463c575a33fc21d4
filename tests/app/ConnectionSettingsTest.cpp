// The connection settings in the settings key: the start choice of port and baud rate, and the save.
#include "remote/DeviceCommandProcessor.h"
#include "ui/app/ComPorts.h"
#include "runtime/SerialReadGap.h"
#include "ui/app/ConnectionSettings.h"

#include <gtest/gtest.h>

namespace {

const wchar_t* const kTestKey = L"SOFTWARE\\KivraTests\\AppSettings";

class ConnectionSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { OsRegDeleteTree(reg::kCurrentUser, kTestKey); }
    void TearDown() override
    {
        key.Close();
        OsRegDeleteTree(reg::kCurrentUser, kTestKey);
    }
    void StorePort(const wchar_t* port)
    {
        ASSERT_TRUE(key.Create(reg::kReadWrite));
        ASSERT_TRUE(key.SetString(L"COM Port", port));
        key.Close();
    }

    TRegKey1 root{reg::kCurrentUser};
    TRegKey1 key{root, kTestKey};
    CRefPtr<CDeviceCommandProcessor> held{new CDeviceCommandProcessor};
    CDeviceCommandProcessor& manager = *held;
};

const PresentPorts kPorts{{L"Modem (COM2)", L"Vextora RUV (COM8)"}, {L"COM3"}};

TEST_F(ConnectionSettingsTest, StartChoice)
{
    struct Case {
        const char* what;
        const wchar_t* stored;  // null: no key
        uint32_t baud;          // the manager's rate before the choice
        PresentPorts present;
        const wchar_t* port;
        uint32_t expectedBaud;
    };
    const Case cases[] = {
        {"no key: the adapter's port", nullptr, 9600, kPorts, L"COM8", 19200},
        {"stored and present: kept with its rate", L"COM3", 4800, kPorts, L"COM3", 4800},
        {"stored but gone: the default", L"COM4", 9600, kPorts, L"COM8", 19200},
        {"stored, rate not in the list: the default", L"COM3", 115200, kPorts, L"COM8", 19200},
        {"stored, no ports at all: the name stays", L"COM4", 9600, {}, L"COM4", 19200},
        {"no key, no ports: the manager's own name", nullptr, 9600, {}, L"COM1", 19200},
    };
    for (const Case& c : cases) {
        OsRegDeleteTree(reg::kCurrentUser, kTestKey);
        if (c.stored)
            StorePort(c.stored);
        manager.SetComPort(L"COM1");
        manager.SetBaudRate(c.baud);
        CComPorts ports([&c] { return c.present; });
        ChooseStartSettings(manager, ports, key);
        EXPECT_EQ(manager.GetComPort(), c.port) << c.what;
        EXPECT_EQ(manager.GetBaudRate(), c.expectedBaud) << c.what;
        EXPECT_FALSE(key.IsOpen()) << c.what;
    }
}

TEST_F(ConnectionSettingsTest, SaveCreatesTheKeyAndLoadReadsItBack)
{
    EXPECT_FALSE(LoadConnectionSettings(manager, key));
    manager.SetComPort(L"COM12");
    manager.SetServerAddress(L"relay.example:50010");
    ASSERT_TRUE(SaveConnectionSettings(manager, key));
    EXPECT_FALSE(key.IsOpen());

    manager.SetComPort(L"COM1");
    manager.SetServerAddress(L"localhost:50010");
    EXPECT_TRUE(LoadConnectionSettings(manager, key));
    EXPECT_EQ(manager.GetComPort(), L"COM12");
    EXPECT_EQ(manager.GetServerAddress(), L"relay.example:50010");
}

TEST_F(ConnectionSettingsTest, ReadGapSetByHandIsLoadedAndNeverWritten)
{
    struct Case {
        const char* what;
        const wchar_t* value;  // null: none stored
        uint32_t stored;
        uint32_t gap;
    };
    const Case cases[] = {
        {"none stored: the gap stays", nullptr, 0, 7},
        {"the old gap for a slow adapter", L"Serial Read Gap", 50, 50},
        {"0: sized to the line", L"Serial Read Gap", 0, kReadGapSizedToLine},
        {"beyond a read's whole time: that time", L"Serial Read Gap", 70000, kLongestReadGapMs},
    };
    for (const Case& c : cases) {
        OsRegDeleteTree(reg::kCurrentUser, kTestKey);
        StorePort(L"COM3");
        if (c.value) {
            ASSERT_TRUE(key.Open(reg::kReadWrite));
            ASSERT_TRUE(key.SetDword(c.value, c.stored));
            key.Close();
        }
        manager.SetReadGap(7);
        LoadConnectionSettings(manager, key);
        EXPECT_EQ(manager.GetReadGap(), c.gap) << c.what;
        // A gap given for one run (kivra-cli --read-gap) is not stored.
        manager.SetReadGap(33);
        ASSERT_TRUE(SaveConnectionSettings(manager, key));
        uint32_t after = 0;
        ASSERT_TRUE(key.Open(reg::kReadWrite));
        EXPECT_EQ(key.GetDword(L"Serial Read Gap", &after), c.value != nullptr) << c.what;
        EXPECT_EQ(after, c.value ? c.stored : 0u) << c.what;
        key.Close();
    }
}

}  // namespace
