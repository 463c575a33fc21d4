// The sensor session hosted by the manager on the terminal's transparent channel: end markers and sensor answers.
#include "ManagerHarness.h"

#include "protocol/KivraProcessor.h"
#include "protocol/LittleEndian.h"
#include "tests/common/FrameBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr uint32_t kSupportedType = 3201;
const Bytes kReadIdentification{0x41, 0x00, 0xFF, 0x00, 0xEE};
const Bytes kReadSettings{0x41, 0x01, 0xFF, 0x2B, 0xFF, 0xAE};

std::string AsText(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

Bytes IdentificationPayload()
{
    Bytes payload(32, 0);
    PutU32(payload.data() + 20, 8); // firmware version of the installed image
    PutU32(payload.data() + 24, kSupportedType);
    return payload;
}

// An identification answer of the supported model whose last byte, its checksum, is `last`.
Bytes IdentificationEndingIn(uint8_t last)
{
    Bytes payload = IdentificationPayload();
    for (int filler = 0; filler < 256; ++filler) {
        payload[0] = static_cast<uint8_t>(filler);
        const Bytes frame = Response(255, 0x01, payload);
        if (frame.back() == last)
            return frame;
    }
    return {};
}

// A manager hosting the sensor session over a relay, the terminal's port open and the
// session's identification request sent.
class CSensorLink
{
public:
    CSensorLink()
    {
        rig.sensor().SetLinkKind(LinkRelay);
        rig.ConnectRelay();
        rig.IdentifyTerminal(121);
        rig.channel().TakeSent();
        rig.Receive("#OPEN\r\n");
    }

    bool InSession() { return rig.manager().GetTerminalPhase() == TerminalPhase::Session; }
    std::string Sent() { return rig.channel().TakeSent(); }

    CManagerRig rig{RigSession::Sensor};
};

TEST(SensorOverTerminal, SessionStartsWhenTheTerminalOpensItsPort)
{
    CSensorLink link;
    EXPECT_TRUE(link.InSession());
    EXPECT_EQ(link.rig.manager().GetChannelMode(), ChannelMode::Transparent);
    EXPECT_EQ(link.Sent(), AsText(kReadIdentification));
    EXPECT_EQ(link.rig.sensor().GetRequestType(), CKivraProcessor::ReqIdentify);
}

TEST(SensorOverTerminal, EndMarkerSplitAcrossReceptionsIsFound)
{
    struct Case
    {
        std::vector<std::string> pieces;
        bool closes;
    };
    std::vector<Case> cases;
    // Every split point of both markers; the session takes the first piece at once.
    for (const std::string marker : {"#CLOSED", "#MON:IDLE"})
        for (std::size_t cut = 1; cut < marker.size(); ++cut)
            cases.push_back({{marker.substr(0, cut), marker.substr(cut) + "\r"}, true});
    cases.push_back({{"#C", "LOS", "ED\r\n#DIAG"}, true});
    cases.push_back({{"#MON", ":", "IDL", "E"}, true});
    cases.push_back({{"\x01\x02#CLO", "SED\r"}, true});
    // Near misses stay with the session.
    cases.push_back({{"#CLO", "SET\r"}, false});
    cases.push_back({{"#MON:IDL", "X\r"}, false});
    cases.push_back({{"#CL", "#CLOSE", "!"}, false});
    // The start of an answer kept unread by the session lies between the pieces.
    cases.push_back({{"#CLO\x42\x05", "SED\r"}, false});

    for (const Case& c : cases) {
        std::string trace;
        for (const std::string& piece : c.pieces)
            trace += piece + "|";
        SCOPED_TRACE(trace);
        CSensorLink link;
        for (std::size_t i = 0; i + 1 < c.pieces.size(); ++i) {
            link.rig.Receive(c.pieces[i]);
            ASSERT_TRUE(link.InSession());
        }
        link.rig.Receive(c.pieces.back());
        const CDeviceCommandProcessor& manager = link.rig.manager();
        if (!c.closes) {
            EXPECT_TRUE(link.InSession());
            EXPECT_EQ(manager.GetChannelMode(), ChannelMode::Transparent);
            continue;
        }
        EXPECT_EQ(manager.GetTerminalPhase(), TerminalPhase::Idle);
        EXPECT_EQ(manager.GetStatus(), ManagerStatus::Idle);
        EXPECT_EQ(manager.GetChannelMode(), ChannelMode::Command);
        EXPECT_EQ(link.rig.sensor().Status().GetLink(), CSessionStatus::LinkNone); // stopped
        const CRxBuffer& buffer = link.rig.channel().GetRxBuffer();
        EXPECT_EQ(buffer.Length(), 0u);
        EXPECT_FALSE(buffer.IsPartialData());
    }
}

TEST(SensorOverTerminal, AnswerBeforeASplitMarkerIsHandledFirst)
{
    CSensorLink link;
    link.Sent();
    link.rig.Receive(AsText(Response(255, 0x01, IdentificationPayload())) + "#CL");
    EXPECT_EQ(link.Sent(), AsText(kReadSettings));
    EXPECT_TRUE(link.InSession());
    link.rig.Receive("OSED\r\n");
    EXPECT_EQ(link.rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
    EXPECT_EQ(link.Sent(), "");
}

TEST(SensorOverTerminal, AnswerEndingInAHashReachesTheSessionAtOnce)
{
    CSensorLink link;
    link.Sent();
    const Bytes identification = IdentificationEndingIn('#');
    ASSERT_FALSE(identification.empty());
    link.rig.Receive(AsText(identification));
    // Handled in the same reception: the settings are asked for right away.
    EXPECT_EQ(link.Sent(), AsText(kReadSettings));
    EXPECT_EQ(link.rig.sensor().GetRequestType(), CKivraProcessor::ReqReadSettings);
    EXPECT_EQ(link.rig.sensor().Status().GetLink(), CSessionStatus::LinkConnected);
    EXPECT_TRUE(link.InSession());

    // Bytes that do not complete a marker with that "#" leave the channel open.
    link.rig.Receive("CLOSE!");
    EXPECT_TRUE(link.InSession());
    link.rig.Receive("#CLO");
    link.rig.Receive("SED\r");
    EXPECT_EQ(link.rig.manager().GetTerminalPhase(), TerminalPhase::Idle);
}
}
