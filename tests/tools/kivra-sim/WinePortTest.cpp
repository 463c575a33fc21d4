// The registry text that makes the simulated line a COM port of a Wine prefix.
#include "WinePrefix.h"

#include <gtest/gtest.h>

namespace {

TEST(WinePort, EntriesNameThePortWhereWineAndPortListsLook) {
  sim::WinePort port{"/p", 12, "/dev/pts/3", "Bench \"A\" \\ line"};
  std::string text = sim::WinePortEntries(port);
  const char* expected[] = {
      "[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n\"COM12\"=\"/dev/pts/3\"\r\n",
      "[HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\SERIALCOMM]\r\n\"\\\\Device\\\\Serial11\"=\"COM12\"\r\n",
      "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\ROOT\\PORTS\\KIVRA_SIM_COM12]\r\n"
      "\"ClassGUID\"=\"{4D36E978-E325-11CE-BFC1-08002BE10318}\"\r\n",
      // Quotes and backslashes of the description are escaped for the registry file.
      "\"FriendlyName\"=\"Bench \\\"A\\\" \\\\ line (COM12)\"\r\n",
  };
  for (const char* part : expected) EXPECT_NE(text.find(part), std::string::npos) << part << "\nin\n" << text;
}

TEST(WinePort, RemovalDropsThePortButLeavesTheDeviceMapKey) {
  std::string text = sim::WinePortRemoval({"/p", 3, "/dev/pts/1", "x"});
  EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n\"COM3\"=-\r\n"), std::string::npos);
  EXPECT_NE(text.find("[-HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\ROOT\\PORTS\\KIVRA_SIM_COM3]"),
            std::string::npos);
  // Naming the volatile device map key in an import would create it for good.
  EXPECT_EQ(text.find("SERIALCOMM"), std::string::npos);
}

}  // namespace
