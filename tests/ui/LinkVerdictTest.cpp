// Getting to the sensor: which failure a course of manager and session states amounts to.
#include "ui/cli/LinkVerdict.h"

#include "remote/ManagerStates.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using S = ConnectionState;
using P = TerminalPhase;
using M = ManagerStatus;

struct Step {
    ConnectionState state;
    TerminalPhase phase;
    ManagerStatus status;
    unsigned bits;
    bool identified = false;
    bool supported = false;
    bool settings = false;
};

LinkVerdict Course(bool relay, std::initializer_list<Step> steps, CLinkWatch& watch)
{
    LinkVerdict verdict = LinkVerdict::Pending;
    for (const Step& s : steps) {
        LinkSnapshot now;
        now.relay = relay;
        now.connectionState = s.state;
        now.phase = s.phase;
        now.managerStatus = s.status;
        now.bits = s.bits;
        now.identified = s.identified;
        now.supportedModel = s.supported;
        now.settingsRead = s.settings;
        verdict = watch.Update(now);
    }
    return verdict;
}

LinkVerdict Course(bool relay, std::initializer_list<Step> steps)
{
    CLinkWatch watch;
    return Course(relay, steps, watch);
}

// Steps of the courses: what the manager shows after one event.
const Step kDirectOpened{S::Connected, P::Session, M::Transparent, 0xE02};
const Step kDropped{S::None, P::None, M::None, 0xFFFFFFFF};
const Step kServerConnecting{S::ServerConnecting, P::None, M::None, 0x2};
const Step kRequestSent{S::ConnectRequested, P::None, M::None, 0x2};
const Step kServerRetries{S::ConnectRequested, P::None, M::None, 0x8};
const Step kTerminalJoined{S::ChannelOpen, P::DeviceId, M::Initialization, 0x8A};
const Step kVersionAsked{S::ChannelOpen, P::Version, M::Initialization, 0};
const Step kPortOpening{S::Connected, P::OpenPort, M::Writing, 0x82};
const Step kTerminalIdle{S::Connected, P::Idle, M::Idle, 0x82};
const Step kBackToIdle{S::Connected, P::Idle, M::Idle, 0x80};
const Step kTransparent{S::Connected, P::Session, M::Transparent, 0xE80};
const Step kChannelClosed{S::Connected, P::Idle, M::Idle, 0x880};

Step Sensor(unsigned bits, bool identified, bool supported, bool settings = false)
{
    return {S::Connected, P::Session, M::Transparent, bits, identified, supported, settings};
}

TEST(LinkVerdict, DirectLink)
{
    EXPECT_EQ(Course(false, {kDirectOpened}), LinkVerdict::Pending);
    EXPECT_EQ(Course(false, {kDirectOpened, Sensor(0x400, true, true, false)}), LinkVerdict::Pending);
    EXPECT_EQ(Course(false, {kDirectOpened, Sensor(0xC00, true, true, true)}), LinkVerdict::Ready);
    EXPECT_EQ(Course(false, {kDirectOpened, Sensor(0x400, true, false)}), LinkVerdict::UnsupportedModel);
    EXPECT_EQ(Course(false, {kDirectOpened, kDropped}), LinkVerdict::Lost);
}

TEST(LinkVerdict, RelayCourses)
{
    // TCP connect refused.
    EXPECT_EQ(Course(true, {kServerConnecting, kDropped}), LinkVerdict::ServerUnreachable);
    // The relay server answers "@ERR:" with a code below 3 (or closes): the drop follows the request.
    EXPECT_EQ(Course(true, {kServerConnecting, kRequestSent, kDropped}), LinkVerdict::TerminalRefused);
    // Terminal version below 120, or its port refused: back to the idle terminal without a session.
    EXPECT_EQ(Course(true, {kTerminalJoined, kVersionAsked, kTerminalIdle}), LinkVerdict::TerminalRefused);
    EXPECT_EQ(Course(true, {kTerminalJoined, kPortOpening, kBackToIdle}), LinkVerdict::TerminalRefused);
    // The whole way to a ready sensor.
    EXPECT_EQ(Course(true, {kTerminalJoined, kPortOpening, kTransparent, Sensor(0xC00, true, true, true)}),
              LinkVerdict::Ready);
    // The terminal closes the channel after the session ran.
    EXPECT_EQ(Course(true, {kTerminalJoined, kTransparent, kChannelClosed}), LinkVerdict::Lost);
}

TEST(LinkVerdict, TheTimeOutBlamesTheStepThatDidNotAnswer)
{
    struct Case {
        std::initializer_list<Step> steps;
        bool relay;
        LinkVerdict verdict;
    };
    const Case cases[] = {
        {{kDirectOpened}, false, LinkVerdict::SensorSilent},
        {{kServerConnecting}, true, LinkVerdict::ServerUnreachable},
        {{kServerConnecting, kRequestSent}, true, LinkVerdict::ServerUnreachable},  // no answer to "@CON"
        {{kServerConnecting, kServerRetries}, true, LinkVerdict::TerminalRefused},  // "@ERR:" 3 and up, again and again
        {{kTerminalJoined}, true, LinkVerdict::TerminalRefused},                    // the terminal is silent
        {{kTerminalJoined, kTransparent}, true, LinkVerdict::SensorSilent},
    };
    for (const Case& c : cases) {
        CLinkWatch watch;
        Course(c.relay, c.steps, watch);
        const Step& last = *(c.steps.end() - 1);
        LinkSnapshot now;
        now.relay = c.relay;
        now.connectionState = last.state;
        now.phase = last.phase;
        now.managerStatus = last.status;
        EXPECT_EQ(watch.TimedOut(now), c.verdict);
    }
}

TEST(LinkVerdict, EveryFailureHasItsOwnExitCode)
{
    const LinkVerdict failures[] = {LinkVerdict::ServerUnreachable, LinkVerdict::TerminalRefused,
                                    LinkVerdict::SensorSilent, LinkVerdict::UnsupportedModel, LinkVerdict::Lost};
    std::set<int> codes;
    for (LinkVerdict v : failures) {
        EXPECT_NE(ExitCodeOf(v), ExitCode::Ok);
        codes.insert(ToInt(ExitCodeOf(v)));
    }
    EXPECT_EQ(codes.size(), std::size(failures));
    EXPECT_EQ(ExitCodeOf(LinkVerdict::Ready), ExitCode::Ok);
}

}  // namespace
