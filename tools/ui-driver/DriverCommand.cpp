#include "DriverCommand.h"

#include "AnswerButton.h"
#include "NumberWord.h"
#include "ScriptWords.h"

namespace {

// What the arguments of a verb are.
enum EArgs {
    NoArgs,
    Pattern,         // a caption pattern
    ControlArg,      // a control
    ControlAndText,  // a control and a text
    ControlAndItem,  // a control and an item choice
    ChordArg,        // a key chord
    ButtonArg,       // a message-box button
    Milliseconds,    // a duration
    Percent,         // a size in percent
    Position,        // a point on the screen: X and Y
    MenuCommand,     // a command id of a window's system menu
};

// Ids a program may give its own system menu items: WM_SYSCOMMAND keeps the low four bits for
// the system, whose own commands start at 0xF000.
constexpr long kSystemCommandsStart = 0xF000;
constexpr long kSystemCommandBits = 0xF;

struct SVerbInfo
{
    const char* name;
    EVerb verb;
    EArgs args;
    bool optionalFirst; // the first argument may be left out
    bool waits;         // a trailing number of milliseconds may follow
    const char* usage;
};

const SVerbInfo verbs[] = {
    {"wait-window", EVerb::WaitWindow, Pattern, false, true, "wait-window CAPTION-PATTERN [MS]"},
    {"wait-closed", EVerb::WaitClosed, NoArgs, false, true, "wait-closed [MS]"},
    {"close", EVerb::Close, NoArgs, false, false, "close"},
    {"zoom", EVerb::Zoom, Percent, false, false, "zoom PERCENT"},
    {"move", EVerb::Move, Position, false, false, "move X Y"},
    {"message-box", EVerb::MessageDialog, Pattern, true, false, "message-box [CAPTION-PATTERN]"},
    {"answer", EVerb::Answer, ButtonArg, false, false, "answer OK|Cancel|Yes|No|Abort|Retry|Ignore|Close|ID"},
    {"file-dialog", EVerb::FileDialog, Pattern, false, true, "file-dialog PATH [MS]"},
    {"system-command", EVerb::SystemCommand, MenuCommand, false, false, "system-command ID"},
    {"click", EVerb::Click, ControlArg, false, false, "click ID"},
    {"key", EVerb::Key, ChordArg, false, false, "key [ctrl+][alt+][shift+]KEY"},
    {"hold", EVerb::Hold, ChordArg, false, false, "hold ctrl|alt|shift[+...]"},
    {"release", EVerb::Release, NoArgs, false, false, "release"},
    {"set-text", EVerb::SetText, ControlAndText, false, false, "set-text ID TEXT"},
    {"type", EVerb::Type, ControlAndText, false, false, "type ID TEXT"},
    {"focus", EVerb::Focus, ControlArg, false, false, "focus ID"},
    {"select", EVerb::Select, ControlAndItem, false, false, "select ID TEXT|#INDEX"},
    {"tab-select", EVerb::TabSelect, ControlAndItem, false, false, "tab-select ID TEXT|#INDEX"},
    {"sleep", EVerb::Sleep, Milliseconds, false, false, "sleep MS"},
    {"timeout", EVerb::Timeout, Milliseconds, false, false, "timeout MS"},
    {"expect", EVerb::Expect, NoArgs, false, false, "expect QUERY [ID] =|!=|~|!~ VALUE [MS]"},
    {"text", EVerb::Text, ControlArg, false, false, "text ID"},
    {"enabled", EVerb::Enabled, ControlArg, false, false, "enabled ID"},
    {"visible", EVerb::Visible, ControlArg, false, false, "visible ID"},
    {"checked", EVerb::Checked, ControlArg, false, false, "checked ID"},
    {"selection", EVerb::Selection, ControlArg, false, false, "selection ID"},
    {"combo-items", EVerb::ComboItems, ControlArg, false, false, "combo-items ID"},
    {"tab-items", EVerb::TabItems, ControlArg, false, false, "tab-items ID"},
    {"list-items", EVerb::ListItems, ControlArg, false, false, "list-items ID"},
    {"gauge-pos", EVerb::GaugePos, ControlArg, false, false, "gauge-pos ID"},
    {"rect", EVerb::Rect, ControlArg, false, false, "rect ID"},
    {"focused", EVerb::Focused, NoArgs, false, false, "focused"},
    {"message-text", EVerb::MessageText, NoArgs, false, false, "message-text"},
    {"work-area", EVerb::WorkArea, NoArgs, false, false, "work-area"},
    {"tooltip", EVerb::Tooltip, ControlArg, false, false, "tooltip ID"},
};

const SVerbInfo* FindVerb(const std::string& name)
{
    for (const SVerbInfo& info : verbs)
        if (name == info.name)
            return &info;
    return nullptr;
}

size_t ArgCount(EArgs args)
{
    switch (args) {
    case NoArgs:
        return 0;
    case ControlAndText:
    case ControlAndItem:
    case Position:
        return 2;
    default:
        return 1;
    }
}

int ParseMilliseconds(const std::string& word, const SVerbInfo& info)
{
    const long ms = ParseNumberWord(word, 0, 3600000);
    if (ms < 0)
        throw CScriptError(std::string(info.usage) + ": \"" + word + "\" is no number of milliseconds (0..3600000)");
    return static_cast<int>(ms);
}

// Reads args (the words after the verb) into the command, as the verb's argument kind says.
void ReadArgs(const SVerbInfo& info, const std::vector<std::string>& args, CDriverCommand& command)
{
    const size_t wanted = ArgCount(info.args);
    size_t given = args.size();
    if (info.waits && given == wanted + 1) {
        command.timeoutMs = ParseMilliseconds(args.back(), info);
        --given;
    }
    if (given != wanted && !(info.optionalFirst && given == 0))
        throw CScriptError(std::string("write it as: ") + info.usage);
    command.args.assign(args.begin(), args.begin() + static_cast<long>(given));
    if (given == 0)
        return;
    switch (info.args) {
    case ControlArg:
    case ControlAndText:
    case ControlAndItem:
        command.control = ParseControlName(args[0]);
        if (info.args == ControlAndItem)
            command.item = ParseItemChoice(args[1]);
        break;
    case ChordArg:
        command.chord = ParseKeyChord(args[0]);
        if (info.verb == EVerb::Key && command.chord.key == 0)
            throw CScriptError("\"" + args[0] + "\" names modifiers only; key needs a key after them (hold takes modifiers alone)");
        break;
    case ButtonArg:
        command.number = ParseAnswerButton(args[0]);
        break;
    case Milliseconds:
        command.number = ParseMilliseconds(args[0], info);
        break;
    case Percent:
        command.number = static_cast<int>(ParseNumberWord(args[0], 50, 400));
        if (command.number < 0)
            throw CScriptError(std::string(info.usage) + ": \"" + args[0] + "\" is no percentage (50..400)");
        break;
    case Position:
        if (!ParseCoordinateWord(args[0], command.x) || !ParseCoordinateWord(args[1], command.y))
            throw CScriptError(std::string(info.usage) + ": \"" + args[0] + " " + args[1] +
                               "\" is no point on the screen (-32768..32767 each)");
        break;
    case MenuCommand: {
        const long id = ParseNumberWord(args[0], 1, kSystemCommandsStart - 1);
        if (id < 0 || (id & kSystemCommandBits) != 0)
            throw CScriptError(std::string(info.usage) + ": \"" + args[0] +
                               "\" is no program's system menu command (16..61424, a multiple of 16)");
        command.number = static_cast<int>(id);
        break;
    }
    case NoArgs:
    case Pattern:
        break;
    }
}

} // namespace

bool IsQuery(EVerb verb)
{
    return verb >= EVerb::Text;
}

CDriverCommand ParseDriverCommand(const std::vector<std::string>& words)
{
    if (words.empty())
        throw CScriptError("an empty command");
    const SVerbInfo* info = FindVerb(words[0]);
    if (!info)
        throw CScriptError("unknown command \"" + words[0] + "\" (kivra-ui-driver --help lists them)");
    CDriverCommand command;
    command.verb = info->verb;
    if (info->verb != EVerb::Expect) {
        ReadArgs(*info, std::vector<std::string>(words.begin() + 1, words.end()), command);
        return command;
    }
    // expect QUERY [ID] OP VALUE [MS]
    const SVerbInfo* query = words.size() > 1 ? FindVerb(words[1]) : nullptr;
    if (!query || !IsQuery(query->verb))
        throw CScriptError(std::string("write it as: ") + info->usage + ", QUERY one of text, enabled, visible, checked, selection, "
                           "combo-items, tab-items, list-items, gauge-pos, rect, focused, message-text, work-area");
    const size_t op = 2 + ArgCount(query->args);
    if (words.size() < op + 2 || words.size() > op + 3 || !ParseComparison(words[op], command.expectation.comparison))
        throw CScriptError(std::string("write it as: expect ") + query->usage + " =|!=|~|!~ VALUE [MS]");
    ReadArgs(*query, std::vector<std::string>(words.begin() + 2, words.begin() + static_cast<long>(op)), command);
    command.query = query->verb;
    command.expectation.expected = words[op + 1];
    if (words.size() == op + 3)
        command.timeoutMs = ParseMilliseconds(words[op + 2], *info);
    return command;
}

std::string DriverCommandUsage()
{
    std::string usage;
    for (const SVerbInfo& info : verbs)
        usage += std::string("  ") + info.usage + "\n";
    return usage;
}
