// The script runner against a scripted stand-in for the windows: result lines, retried
// expectations on a simulated clock, time limits, and the failure count behind the exit status.
#include "tools/ui-driver/ScriptRunner.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

class CScriptedTarget : public IDriverTarget
{
public:
    // Values the queries give, one per read; the last one stays. A value "!reason" fails the read.
    std::deque<std::string> values;
    std::vector<int> actTimeouts;
    std::vector<EVerb> acts;
    std::string actResult;
    long long now = 1000;

    CQueryValue Query(const CDriverCommand& command) override
    {
        if (command.verb == EVerb::ComboItems)
            return CQueryValue::OfList({"red", "green \"light\""});
        if (command.verb == EVerb::GaugePos)
            return CQueryValue::OfNumber(42);
        const std::string value = values.front();
        if (values.size() > 1)
            values.pop_front();
        if (!value.empty() && value[0] == '!')
            throw CDriverFailure(value.substr(1));
        return CQueryValue::OfText(value);
    }
    std::string Act(const CDriverCommand& command, int timeoutMs) override
    {
        acts.push_back(command.verb);
        actTimeouts.push_back(timeoutMs);
        if (actResult == "fail")
            throw CDriverFailure("control 1006 \"Connect sensor\" is disabled");
        return actResult;
    }
    void Pause(int ms) override { now += ms; }
    long long NowMs() override { return now; }
};

TEST(ScriptRunner, ResultLines)
{
    CScriptedTarget target;
    target.values = {"COM5 : 19200"};
    CScriptRunner runner(target);
    EXPECT_EQ(runner.RunLine(""), "");
    EXPECT_EQ(runner.RunLine("# nothing"), "");
    EXPECT_EQ(runner.RunLine("text 1003"), "ok \"COM5 : 19200\"");
    EXPECT_EQ(runner.RunLine("gauge-pos 1187"), "ok 42");
    EXPECT_EQ(runner.RunLine("combo-items 1087"), R"(ok "red" "green \"light\"")");
    EXPECT_EQ(runner.RunLine("click 1006"), "ok");
    target.actResult = "\"Vextora KIVRA 2.6\"";
    EXPECT_EQ(runner.RunLine("wait-window Vextora*"), "ok \"Vextora KIVRA 2.6\"");
    EXPECT_EQ(runner.Failures(), 0);

    target.actResult = "fail";
    EXPECT_EQ(runner.RunLine("  click 1006  "), "FAILED click 1006: control 1006 \"Connect sensor\" is disabled");
    EXPECT_EQ(runner.RunLine("click"), "FAILED click: write it as: click ID");
    EXPECT_EQ(runner.RunLine("text \"open"), "FAILED text \"open: a quoted text is not closed (\" missing)");
    EXPECT_EQ(runner.Failures(), 3);
    EXPECT_EQ(target.acts.size(), 3u); // the refused lines reached no window
}

TEST(ScriptRunner, ExpectationsAreRetriedUntilTheyHold)
{
    CScriptedTarget target;
    // The control is missing at first, then shows an old text, then the awaited one.
    target.values = {"!the window has no control 1002", "Disconnected", "Disconnected", "Connected"};
    CScriptRunner runner(target);
    EXPECT_EQ(runner.RunLine("expect text 1002 = Connected"), "ok \"Connected\"");
    EXPECT_EQ(target.now, 1000 + 3 * CScriptRunner::RetryIntervalMs);
    EXPECT_EQ(runner.RunLine("expect text 1002 ~ Conn*"), "ok \"Connected\"");
    EXPECT_EQ(runner.RunLine("expect text 1002 != Disconnected"), "ok \"Connected\"");
    EXPECT_EQ(runner.RunLine("expect combo-items 1087 ~ \"\\\"red\\\" *\""), R"(ok "red" "green \"light\"")");
    EXPECT_EQ(runner.Failures(), 0);
}

TEST(ScriptRunner, ExpectationsFailWithTheLastValueOrReasonAfterTheirTime)
{
    CScriptedTarget target;
    target.values = {"Disconnected"};
    CScriptRunner runner(target);
    EXPECT_EQ(runner.RunLine("expect text 1002 = Connected"), "FAILED expect text 1002 = Connected: still \"Disconnected\" after 5000 ms");
    EXPECT_EQ(target.now, 1000 + CScriptRunner::DefaultTimeoutMs);

    target.values = {"!the window has no control 1002"};
    const long long start = target.now;
    EXPECT_EQ(runner.RunLine("expect text 1002 !~ Dis* 200"), "FAILED expect text 1002 !~ Dis* 200: the window has no control 1002 after 200 ms");
    EXPECT_EQ(target.now - start, 200);

    // timeout changes the limit of what follows; an explicit limit still wins.
    EXPECT_EQ(runner.RunLine("timeout 1000"), "ok");
    target.values = {"Disconnected"};
    EXPECT_EQ(runner.RunLine("expect text 1002 = Connected"), "FAILED expect text 1002 = Connected: still \"Disconnected\" after 1000 ms");
    EXPECT_EQ(runner.RunLine("expect text 1002 = Disconnected 0"), "ok \"Disconnected\""); // one read, no wait
    EXPECT_EQ(runner.Failures(), 3);
}

TEST(ScriptRunner, ActionsGetTheirTimeLimit)
{
    CScriptedTarget target;
    CScriptRunner runner(target);
    runner.RunLine("wait-window A");
    runner.RunLine("wait-window A 30000");
    runner.RunLine("timeout 700");
    runner.RunLine("wait-closed");
    runner.RunLine("answer OK");
    EXPECT_EQ(target.actTimeouts, (std::vector<int>{CScriptRunner::DefaultTimeoutMs, 30000, 700, 700}));
    const long long before = target.now;
    EXPECT_EQ(runner.RunLine("sleep 250"), "ok");
    EXPECT_EQ(target.now - before, 250);
}

} // namespace
