// Reading driver commands: every argument kind, and the refusals a script writer sees.
#include "tools/ui-driver/DriverCommand.h"
#include "tools/ui-driver/ScriptWords.h"

#include <gtest/gtest.h>

namespace {

CDriverCommand Parse(const std::string& line)
{
    return ParseDriverCommand(SplitWords(line));
}

TEST(DriverCommand, ControlNames)
{
    const struct {
        const char* text;
        bool isWindow;
        bool inPage;
        int id;
        const char* className;
    } cases[] = {
        {"1003", false, false, 1003, ""},
        {"page:1204", false, true, 1204, ""},
        {"1148@Edit", false, false, 1148, "Edit"},
        {"page:1220@ComboBox", false, true, 1220, "ComboBox"},
        {"window", true, false, 0, ""},
        {"0", false, false, 0, ""},
        {"65535", false, false, 65535, ""},
    };
    for (const auto& c : cases) {
        const CControlName control = ParseControlName(c.text);
        EXPECT_EQ(control.isWindow, c.isWindow) << c.text;
        EXPECT_EQ(control.inPage, c.inPage) << c.text;
        EXPECT_EQ(control.id, c.id) << c.text;
        EXPECT_EQ(control.className, c.className) << c.text;
    }
    for (const char* bad : {"", "65536", "-1", "page:", "12@", "0x10", "Window", "page:window", "1 2"})
        EXPECT_THROW(ParseControlName(bad), CScriptError) << bad;
    EXPECT_EQ(ParseControlName("page:1220@ComboBox").Describe(), "control 1220 of class ComboBox on the shown page");
}

TEST(DriverCommand, KeyChords)
{
    const struct {
        const char* text;
        std::vector<unsigned short> modifiers;
        unsigned short key;
    } cases[] = {
        {"F4", {}, 0x73},
        {"ctrl+F4", {0x11}, 0x73},
        {"Ctrl+F12", {0x11}, 0x7B},
        {"ctrl+alt+shift", {0x11, 0x12, 0x10}, 0},
        {"shift+tab", {0x10}, 0x09},
        {"esc", {}, 0x1B},
        {"enter", {}, 0x0D},
        {"F24", {}, 0x87},
        {"a", {}, 'A'},
        {"7", {}, '7'},
        {"down", {}, 0x28},
    };
    for (const auto& c : cases) {
        const CKeyChord chord = ParseKeyChord(c.text);
        EXPECT_EQ(chord.modifiers, c.modifiers) << c.text;
        EXPECT_EQ(chord.key, c.key) << c.text;
    }
    for (const char* bad : {"", "F0", "F25", "F04", "ctrl+", "ctrl+ctrl+a", "F4+ctrl", "ctrl+F4+F5", "hyper+a", "ab"})
        EXPECT_THROW(ParseKeyChord(bad), CScriptError) << bad;
}

TEST(DriverCommand, ReadsEachArgumentKind)
{
    CDriverCommand c = Parse("wait-window \"Vextora KIVRA*\" 30000");
    EXPECT_EQ(c.verb, EVerb::WaitWindow);
    EXPECT_EQ(c.args, std::vector<std::string>{"Vextora KIVRA*"});
    EXPECT_EQ(c.timeoutMs, 30000);

    c = Parse("wait-window Open");
    EXPECT_EQ(c.timeoutMs, -1);

    c = Parse("wait-closed 2000");
    EXPECT_EQ(c.verb, EVerb::WaitClosed);
    EXPECT_TRUE(c.args.empty());
    EXPECT_EQ(c.timeoutMs, 2000);

    c = Parse("message-box");
    EXPECT_EQ(c.verb, EVerb::MessageDialog);
    EXPECT_TRUE(c.args.empty());

    c = Parse("answer yes");
    EXPECT_EQ(c.number, 6);
    EXPECT_EQ(Parse("answer Cancel").number, 2);
    EXPECT_EQ(Parse("answer 1094").number, 1094);

    c = Parse("key ctrl+F12");
    EXPECT_EQ(c.chord.key, 0x7B);

    c = Parse("select page:1220 #3");
    EXPECT_TRUE(c.control.inPage);
    EXPECT_EQ(c.control.id, 1220);
    EXPECT_EQ(c.item.index, 3);

    c = Parse("tab-select 1001 Log");
    EXPECT_EQ(c.item.index, -1);
    EXPECT_EQ(c.item.text, "Log");

    c = Parse("type 1076 \"12\"");
    EXPECT_EQ(c.args, (std::vector<std::string>{"1076", "12"}));

    EXPECT_EQ(Parse("sleep 250").number, 250);
    EXPECT_EQ(Parse("zoom 150").number, 150);
    c = Parse("move -120 32767");
    EXPECT_EQ(c.verb, EVerb::Move);
    EXPECT_EQ(c.x, -120);
    EXPECT_EQ(c.y, 32767);
    EXPECT_EQ(Parse("expect work-area = \"0 0 1280 860\"").query, EVerb::WorkArea);
    EXPECT_EQ(Parse("expect tooltip page:1268 ~ \"500 32767 *\"").query, EVerb::Tooltip);
    EXPECT_EQ(Parse("system-command 272").number, 272);
    EXPECT_EQ(Parse("file-dialog 'Z:\\a b\\c.fw' 9000").args, std::vector<std::string>{"Z:\\a b\\c.fw"});
}

TEST(DriverCommand, ReadsExpectations)
{
    CDriverCommand c = Parse("expect text 1003 = \"COM5 : 19200\"");
    EXPECT_EQ(c.verb, EVerb::Expect);
    EXPECT_EQ(c.query, EVerb::Text);
    EXPECT_EQ(c.control.id, 1003);
    EXPECT_EQ(c.expectation.comparison, CExpectation::Equal);
    EXPECT_EQ(c.expectation.expected, "COM5 : 19200");
    EXPECT_EQ(c.timeoutMs, -1);

    c = Parse("expect enabled 1006 != 0 15000");
    EXPECT_EQ(c.query, EVerb::Enabled);
    EXPECT_EQ(c.expectation.comparison, CExpectation::NotEqual);
    EXPECT_EQ(c.timeoutMs, 15000);

    c = Parse("expect focused ~ 10*");
    EXPECT_EQ(c.query, EVerb::Focused);
    EXPECT_EQ(c.expectation.comparison, CExpectation::Matches);

    c = Parse("expect message-text !~ \"*failed*\"");
    EXPECT_EQ(c.query, EVerb::MessageText);
    EXPECT_EQ(c.expectation.comparison, CExpectation::NotMatches);

    // The value may itself look like an operator.
    c = Parse("expect text 1003 = =");
    EXPECT_EQ(c.expectation.expected, "=");
}

TEST(DriverCommand, RefusesWhatItCannotDo)
{
    const struct {
        const char* line;
        const char* reason;
    } cases[] = {
        {"frobnicate", "unknown command \"frobnicate\""},
        {"click", "write it as: click ID"},
        {"click 1 2", "write it as: click ID"},
        {"click abc", "\"abc\" names no control"},
        {"wait-window", "write it as: wait-window CAPTION-PATTERN [MS]"},
        {"wait-window a b", "\"b\" is no number of milliseconds"},
        {"wait-closed x", "\"x\" is no number of milliseconds"},
        {"close now", "write it as: close"},
        {"key ctrl", "names modifiers only"},
        {"key ctrl+F4 x", "write it as: key"},
        {"answer maybe", "\"maybe\" names no button"},
        {"select 1087", "write it as: select ID TEXT|#INDEX"},
        {"select 1087 #x", "write #N with the item's index"},
        {"sleep -5", "is no number of milliseconds"},
        {"zoom", "write it as: zoom PERCENT"},
        {"zoom 40", "is no percentage (50..400)"},
        {"zoom big", "is no percentage (50..400)"},
        {"move 10", "write it as: move X Y"},
        {"move 10 -", "\"10 -\" is no point on the screen"},
        {"move 32768 0", "is no point on the screen"},
        {"move 0 --5", "is no point on the screen"},
        {"move +5 0", "is no point on the screen"},
        {"expect work-area 1 = x", "write it as: expect work-area"},
        {"timeout 99999999", "is no number of milliseconds"},
        {"expect", "QUERY one of text"},
        {"expect click 1006 = 1", "QUERY one of text"},
        {"expect text 1003 \"x\"", "write it as: expect text ID =|!=|~|!~ VALUE [MS]"},
        {"expect text 1003 == x", "write it as: expect text ID"},
        {"expect text = x", "write it as: expect text ID"},
        {"expect focused 105 = 1", "write it as: expect focused"},
        {"expect text 1003 = x later", "is no number of milliseconds"},
        {"message-box a b", "write it as: message-box [CAPTION-PATTERN]"},
        {"system-command", "write it as: system-command ID"},
        {"system-command 273", "is no program's system menu command"},
        {"system-command 61440", "is no program's system menu command"},
        {"system-command 0", "is no program's system menu command"},
        {"system-command 0x110", "is no program's system menu command"},
    };
    for (const auto& c : cases) {
        try {
            Parse(c.line);
            ADD_FAILURE() << c.line << " was accepted";
        } catch (const CScriptError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.line << ": " << e.what();
        }
    }
}

TEST(DriverCommand, UsageListsOnlyKnownCommands)
{
    const std::string usage = DriverCommandUsage();
    size_t lines = 0;
    for (size_t start = 0; start < usage.size(); start = usage.find('\n', start) + 1, ++lines) {
        const std::string verb = SplitWords(usage.substr(start, usage.find('\n', start) - start)).at(0);
        try {
            ParseDriverCommand({verb});
        } catch (const CScriptError& e) {
            EXPECT_EQ(std::string(e.what()).find("unknown command"), std::string::npos) << verb;
        }
    }
    EXPECT_EQ(lines, 35u);
}

} // namespace
