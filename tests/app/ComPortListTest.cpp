// The COM-port list: friendly names parsed, ordered by number, marked, merged with the device map.
#include "ui/app/ComPortList.h"
#include "ui/app/ComPorts.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Names(const std::vector<ComPortEntry>& list)
{
    std::vector<std::wstring> names;
    for (const ComPortEntry& entry : list)
        names.push_back(entry.portName);
    return names;
}

TEST(ComPortList, OrderedByNumberMarkedAndDeduplicated)
{
    const std::vector<ComPortEntry> list = BuildComPortList({
        L"USB Serial (COM10)",
        L"Printer port (LPT1)",
        L"Communications Port (COM1)",
        L"Vextora RUV adapter (COM7)",
        L"Broken (COM3",
        L"First five (COM5)",
        L"Second five (COM5)",
    });
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].portName, L"COM1");
    EXPECT_EQ(list[0].description, L"Communications Port ");
    EXPECT_EQ(list[1].description, L"Second five ");
    EXPECT_EQ(list[2].portName, L"COM7");
    EXPECT_TRUE(list[2].adapterMark);
    EXPECT_FALSE(list[3].adapterMark);
    EXPECT_EQ(list[3].portName, L"COM10");
    EXPECT_EQ(ComPortListText(list[2]), L"COM7 : Vextora RUV USB");
    EXPECT_EQ(ComPortListText(list[3]), L"COM10");
    // The mark is case-sensitive.
    EXPECT_FALSE(BuildComPortList({L"vextora ruv (COM2)"})[0].adapterMark);
}

TEST(ComPortList, DeviceMapPortsFillTheGapsOnly)
{
    struct Case {
        const char* what;
        std::vector<std::wstring> friendlyNames;
        std::vector<std::wstring> deviceMap;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"device map alone (Wine's mapped ports)", {}, {L"COM9", L"COM1"}, {L"COM1", L"COM9"}},
        {"both name the port: one entry", {L"USB Serial (COM3)"}, {L"COM3"}, {L"COM3"}},
        {"merged in number order", {L"USB Serial (COM10)", L"Modem (COM2)"}, {L"COM5", L"COM10", L"COM1"},
         {L"COM1", L"COM2", L"COM5", L"COM10"}},
        {"an empty value is no port", {L"Modem (COM2)"}, {L""}, {L"COM2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(BuildComPortList(c.friendlyNames, c.deviceMap)), c.expected) << c.what;

    // What only the device map names carries no description and no mark; the device keeps its own.
    const std::vector<ComPortEntry> list =
        BuildComPortList({L"Vextora RUV USB Serial (COM4)"}, {L"COM4", L"COM6"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(list[0].adapterMark);
    EXPECT_EQ(list[0].description, L"Vextora RUV USB Serial ");
    EXPECT_FALSE(list[1].adapterMark);
    EXPECT_EQ(list[1].description, L"");
    EXPECT_EQ(ComPortListText(list[1]), L"COM6");
}

// A port source that counts how often the list was built.
struct CountingSource {
    PresentPorts present;
    int calls = 0;
    CComPorts Make()
    {
        return CComPorts([this] {
            ++calls;
            return present;
        });
    }
};

TEST(ComPorts, BuiltOnFirstUseAndAgainOnlyAfterInvalidate)
{
    CountingSource source{{{L"Modem (COM2)"}, {}}};
    CComPorts ports = source.Make();
    EXPECT_EQ(source.calls, 0);
    EXPECT_EQ(ports.IndexOfPortName(L"COM2"), 0);
    EXPECT_TRUE(ports.PortSettingsValid(L"COM2", 9600));
    EXPECT_EQ(source.calls, 1);
    // A port plugged in since is seen only after the list was invalidated.
    source.present.deviceMapPorts = {L"COM1"};
    EXPECT_EQ(ports.IndexOfPortName(L"COM1"), -1);
    ports.Invalidate();
    EXPECT_EQ(ports.IndexOfPortName(L"COM1"), 0);
    EXPECT_EQ(ports.IndexOfPortName(L"COM2"), 1);
    EXPECT_EQ(source.calls, 2);
}

TEST(ComPorts, LookupsAndValidity)
{
    CountingSource source{{{L"Modem (COM2)", L"Vextora RUV (COM8)"}, {L"COM3"}}};
    CComPorts ports = source.Make();
    EXPECT_EQ(ports.IndexOfPortName(L"COM8"), 2);
    EXPECT_EQ(ports.IndexOfPortName(L"com8"), -1);  // case counts
    EXPECT_EQ(ports.IndexOfPortName(L"COM8 "), -1);
    EXPECT_EQ(ports.FirstAdapter(), 2);
    EXPECT_TRUE(ports.PortSettingsValid(L"COM3", 4800));
    EXPECT_FALSE(ports.PortSettingsValid(L"COM3", 115200));
    EXPECT_FALSE(ports.PortSettingsValid(L"COM4", 19200));
}

TEST(ComPorts, DefaultChoice)
{
    struct Case {
        const char* what;
        PresentPorts present;
        const wchar_t* chosen;
    };
    const Case cases[] = {
        {"the adapter, though lower numbers exist", {{L"Modem (COM2)", L"Vextora RUV (COM8)"}, {L"COM1"}}, L"COM8"},
        {"the first of several adapters", {{L"Vextora RUV b (COM9)", L"Vextora RUV a (COM4)"}, {}}, L"COM4"},
        {"without an adapter the first port", {{L"Modem (COM12)"}, {L"COM3"}}, L"COM3"},
        {"without ports the name unchanged", {{L"Printer (LPT1)"}, {}}, L"COM77"},
    };
    for (const Case& c : cases) {
        CComPorts ports([&c] { return c.present; });
        std::wstring name = L"COM77";
        uint32_t baud = 4800;
        ports.ChooseDefault(name, baud);
        EXPECT_EQ(name, c.chosen) << c.what;
        EXPECT_EQ(baud, 19200u) << c.what;
    }
}

}  // namespace
