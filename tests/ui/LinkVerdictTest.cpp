// Getting to the sensor: which failure a course of manager and session states amounts to.
#include "ui/cli/LinkVerdict.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Step {
    int state;
    int phase;
    int status;
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

TEST(LinkVerdict, DirectLink)
{
    EXPECT_EQ(Course(false, {{8, 6, 5, 0xE02}}), LinkVerdict::Pending);
    EXPECT_EQ(Course(false, {{8, 6, 5, 0xE02}, {8, 6, 5, 0x400, true, true, false}}), LinkVerdict::Pending);
    EXPECT_EQ(Course(false, {{8, 6, 5, 0xE02}, {8, 6, 5, 0xC00, true, true, true}}), LinkVerdict::Ready);
    EXPECT_EQ(Course(false, {{8, 6, 5, 0xE02}, {8, 6, 5, 0x400, true, false}}), LinkVerdict::UnsupportedModel);
    EXPECT_EQ(Course(false, {{8, 6, 5, 0xE02}, {0, 0, 0, 0xFFFFFFFF}}), LinkVerdict::Lost);
}

TEST(LinkVerdict, RelayCourses)
{
    // TCP connect refused.
    EXPECT_EQ(Course(true, {{1, 0, 0, 0x2}, {0, 0, 0, 0xFFFFFFFF}}), LinkVerdict::ServerUnreachable);
    // The relay server answers "@ERR:" with a code below 3 (or closes): the drop follows the request.
    EXPECT_EQ(Course(true, {{1, 0, 0, 0x2}, {5, 0, 0, 0x2}, {0, 0, 0, 0xFFFFFFFF}}), LinkVerdict::TerminalRefused);
    // Terminal version below 120, or its port refused: back to the idle terminal without a session.
    EXPECT_EQ(Course(true, {{6, 1, 1, 0x8A}, {6, 2, 1, 0}, {8, 4, 4, 0x82}}), LinkVerdict::TerminalRefused);
    EXPECT_EQ(Course(true, {{6, 1, 1, 0x8A}, {8, 3, 3, 0x82}, {8, 4, 4, 0x80}}), LinkVerdict::TerminalRefused);
    // The whole way to a ready sensor.
    EXPECT_EQ(Course(true, {{6, 1, 1, 0x8A}, {8, 3, 3, 0x82}, {8, 6, 5, 0xE80}, {8, 6, 5, 0xC00, true, true, true}}),
              LinkVerdict::Ready);
    // The terminal closes the channel after the session ran.
    EXPECT_EQ(Course(true, {{6, 1, 1, 0x8A}, {8, 6, 5, 0xE80}, {8, 4, 4, 0x880}}), LinkVerdict::Lost);
}

TEST(LinkVerdict, TheTimeOutBlamesTheStepThatDidNotAnswer)
{
    struct Case {
        std::initializer_list<Step> steps;
        bool relay;
        LinkVerdict verdict;
    };
    const Case cases[] = {
        {{{8, 6, 5, 0xE02}}, false, LinkVerdict::SensorSilent},
        {{{1, 0, 0, 0x2}}, true, LinkVerdict::ServerUnreachable},
        {{{1, 0, 0, 0x2}, {5, 0, 0, 0x2}}, true, LinkVerdict::ServerUnreachable},  // no answer to "@CON"
        {{{1, 0, 0, 0x2}, {5, 0, 0, 0x8}}, true, LinkVerdict::TerminalRefused},    // "@ERR:" 3 and up, again and again
        {{{6, 1, 1, 0x8A}}, true, LinkVerdict::TerminalRefused},                   // the terminal is silent
        {{{6, 1, 1, 0x8A}, {8, 6, 5, 0xE80}}, true, LinkVerdict::SensorSilent},
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
