// Fuzz target: the relay server's and the on-board terminal's lines in each mode of the link
// (handshake, terminal commands, transparent data with its end markers), with time passing.
#include "FuzzInput.h"

#include "tests/remote/native/ManagerHarness.h"

#include <string>

namespace {

enum StartMode { kHandshake, kCommands, kTransparent, kModeCount };

// Lines the far end may send; mixed with rubbish they reach every branch quickly.
const char* const kLines[] = {
    "@OK\r\n", "@ERR:1\r\n", "@ERR:7\r\n", "@LIST:1,2\r\n", "#OK\r\n", "#ERR:3\r\n", "#DEVID:3051\r\n",
    "#VER:T,1,2,121,1A4\r\n", "#VER:T,1,2,99,1A4\r\n", "#BRDREV:1A4\r\n", "#BRD:V10\r\n", "#OPEN\r\n",
    "#CLOSED\r\n", "#MON:IDLE\r\n", "#DIAG:1,2,3\r\n", "\r\n", "#", "\r",
};

std::string Text(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    CManagerRig rig;
    CDeviceCommandProcessor& manager = rig.manager();
    const StartMode mode = static_cast<StartMode>(input.Byte() % kModeCount);
    manager.SetConnectionType(ConnectionType::Relay);
    manager.SetTerminalId(1 + input.Byte());
    if (manager.Open() < 0)
        return 0;
    rig.Event(kConnectEvent);
    if (mode >= kCommands) {
        rig.Receive("@OK\r\n");
        rig.channel().TakeSent();
    }
    if (mode >= kTransparent) {
        rig.IdentifyTerminal(121);
        rig.Receive("#OPEN\r\n");
    }
    while (!input.Empty() && manager.GetConnectionState() != ConnectionState::None) {
        switch (input.Byte() % 5) {
        case 0: rig.Receive(kLines[input.Byte() % std::size(kLines)]); break;
        case 1: rig.Receive(Text(input.Run(200))); break;
        case 2: {
            // A known line cut at any point, the rest in the next reception.
            const std::string line = kLines[input.Byte() % std::size(kLines)];
            const std::size_t cut = input.Byte() % (line.size() + 1);
            rig.Receive(line.substr(0, cut));
            if (manager.GetConnectionState() != ConnectionState::None)
                rig.Receive(line.substr(cut));
            break;
        }
        case 3:
            rig.Advance(input.U16() * 4);
            rig.Tick();
            break;
        default: rig.Event(input.Byte() % 2 ? kWriteEvent : 0x99); break;
        }
        if (manager.GetConnectionState() != ConnectionState::None)
            rig.channel().TakeSent();
    }
    manager.Disconnect();
    return 0;
}
