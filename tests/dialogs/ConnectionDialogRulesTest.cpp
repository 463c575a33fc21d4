// The pure rules of the connection dialogs: port pre-set and read-back, the relay connect
// rule, the network address dialog's check of its texts.
#include "ui/dialogs/NetAddressRule.h"
#include "ui/dialogs/RelayConnectRule.h"
#include "ui/dialogs/SerialSelection.h"

#include <gtest/gtest.h>

namespace {

const std::vector<ComPortEntry> kPorts = {
    {L"Modem ", L"COM2", false}, {L"", L"COM3", false}, {L"Vextora RUV ", L"COM8", true}};

TEST(SerialSelection, PresetFromTheStoredPortAndRate)
{
    struct Case {
        const char* what;
        std::vector<ComPortEntry> ports;
        const wchar_t* port;
        uint32_t baud;
        int portIndex;
        int baudIndex;
    };
    const Case cases[] = {
        {"listed port and rate", kPorts, L"COM3", 4800, 1, 2},
        {"a port gone selects the first", kPorts, L"COM5", 9600, 0, 1},
        {"names compare exactly", kPorts, L"com3", 19200, 0, 0},
        {"a rate not in the list selects the first", kPorts, L"COM8", 115200, 2, 0},
        {"no ports: no port selected", {}, L"COM1", 19200, -1, 0},
    };
    for (const Case& c : cases) {
        const SerialSelection s = PresetSerialSelection(c.ports, c.port, c.baud);
        EXPECT_EQ(s.portIndex, c.portIndex) << c.what;
        EXPECT_EQ(s.baudIndex, c.baudIndex) << c.what;
        EXPECT_EQ(s.IsComplete(), c.portIndex >= 0) << c.what;  // the OK button
    }
}

TEST(SerialSelection, ReadBackOnlyWhenBothIndicesAreInRange)
{
    struct Case {
        int portIndex;
        int baudIndex;
        bool taken;
        const wchar_t* port;
        uint32_t baud;
    };
    const Case cases[] = {
        {2, 1, true, L"COM8", 9600},   {0, 2, true, L"COM2", 4800},       {3, 0, false, L"COM77", 1200},
        {-1, 0, false, L"COM77", 1200}, {1, 3, false, L"COM77", 1200},     {1, -1, false, L"COM77", 1200},
    };
    for (const Case& c : cases) {
        std::wstring port = L"COM77";
        uint32_t baud = 1200;
        EXPECT_EQ(ReadBackSerialSelection(kPorts, {c.portIndex, c.baudIndex}, port, baud), c.taken)
            << c.portIndex << "," << c.baudIndex;
        EXPECT_EQ(port, c.port);
        EXPECT_EQ(baud, c.baud);
    }
}

TEST(RelayConnectRule, TerminalIdText)
{
    struct Case {
        const wchar_t* text;
        std::optional<uint32_t> id;
    };
    const Case cases[] = {
        {L"1204", 1204u},   {L" +7 ", 7u},          {L"0", std::nullopt},         {L"", std::nullopt},
        {L"12a", std::nullopt}, {L"-5", std::nullopt}, {L"1.5", std::nullopt},     {L"4294967295", 4294967295u},
        {L"4294967296", std::nullopt},  // would wrap round to 0
        {L"4294968500", std::nullopt},  // would wrap round to 1204
    };
    for (const Case& c : cases)
        EXPECT_EQ(TerminalIdOfText(c.text), c.id) << testing::PrintToString(std::wstring(c.text));
}

TEST(RelayConnectRule, ConnectEnabled)
{
    const RelayConnectInputs ready{false, L"localhost:50010", L"1204", 1, 0};
    EXPECT_TRUE(CanConnectThroughRelay(ready));
    struct Case {
        const char* what;
        RelayConnectInputs inputs;
    };
    RelayConnectInputs withChannel = ready, noServer = ready, idZero = ready, idEmpty = ready, idLetters = ready,
                       noPort = ready, noBaud = ready;
    withChannel.channelExists = true;
    noServer.serverAddress.clear();
    idZero.terminalIdText = L"0";
    idEmpty.terminalIdText.clear();
    idLetters.terminalIdText = L"12x";
    noPort.terminalPortIndex = -1;
    noBaud.baudIndex = -1;
    const Case disabled[] = {{"a channel exists", withChannel}, {"no server address", noServer},
                             {"terminal id 0", idZero},         {"empty terminal id", idEmpty},
                             {"letters in the id", idLetters},  {"no terminal port", noPort},
                             {"no baud rate", noBaud}};
    for (const Case& c : disabled)
        EXPECT_FALSE(CanConnectThroughRelay(c.inputs)) << c.what;
}

TEST(NetAddressRule, KeystrokesAndWrite)
{
    struct Case {
        const wchar_t* address;
        const wchar_t* serial;
        bool serviceMode;
        bool accepted;
        bool write;
    };
    const Case cases[] = {
        {L"254", L"", false, true, true},
        {L"255", L"", false, true, false},
        {L"0", L"", false, true, true},
        {L" +12 ", L"", false, true, true},
        {L"", L"", false, true, false},           // emptied: kept, but nothing to write
        {L"12a", L"", false, false, false},       // undone at once
        {L"-1", L"", false, false, false},
        {L"99999999999999999999", L"", false, true, false},  // no wrap into 0..254
        {L"12", L"x", false, true, true},         // the serial number counts only in service mode
        {L"12", L"x", true, false, false},
        {L"12", L"", true, true, false},
        {L"12", L"0", true, true, false},
        {L"12", L"345", true, true, true},
        {L"300", L"345", true, true, false},
    };
    for (const Case& c : cases) {
        const NetAddressVerdict v = CheckNetAddressTexts(c.address, c.serial, c.serviceMode);
        const std::string what = testing::PrintToString(std::wstring(c.address)) + " " +
                                 testing::PrintToString(std::wstring(c.serial)) + (c.serviceMode ? " service" : "");
        EXPECT_EQ(v.accepted, c.accepted) << what;
        EXPECT_EQ(v.writeEnabled, c.write) << what;
    }
}

}  // namespace
