#include "KeyChord.h"

#include "ScriptWords.h"

#include <cctype>

namespace {

// Virtual-key codes (the Windows values; this file builds on the host as well).
enum : unsigned short {
    KeyBackspace = 0x08, KeyTab = 0x09, KeyEnter = 0x0D, KeyShift = 0x10, KeyControl = 0x11,
    KeyAlt = 0x12, KeyEscape = 0x1B, KeySpace = 0x20, KeyPageUp = 0x21, KeyPageDown = 0x22,
    KeyEnd = 0x23, KeyHome = 0x24, KeyLeft = 0x25, KeyUp = 0x26, KeyRight = 0x27, KeyDown = 0x28,
    KeyInsert = 0x2D, KeyDelete = 0x2E, KeyF1 = 0x70
};

struct SKeyName
{
    const char* name;
    unsigned short code;
};

const SKeyName modifierNames[] = {{"ctrl", KeyControl}, {"alt", KeyAlt}, {"shift", KeyShift}};

const SKeyName keyNames[] = {
    {"tab", KeyTab}, {"enter", KeyEnter}, {"esc", KeyEscape}, {"space", KeySpace},
    {"backspace", KeyBackspace}, {"delete", KeyDelete}, {"insert", KeyInsert}, {"home", KeyHome},
    {"end", KeyEnd}, {"pgup", KeyPageUp}, {"pgdn", KeyPageDown}, {"left", KeyLeft},
    {"right", KeyRight}, {"up", KeyUp}, {"down", KeyDown},
};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

unsigned short ModifierCode(const std::string& name)
{
    for (const SKeyName& m : modifierNames)
        if (name == m.name)
            return m.code;
    return 0;
}

unsigned short KeyCode(const std::string& name)
{
    for (const SKeyName& k : keyNames)
        if (name == k.name)
            return k.code;
    if (name.size() == 1 && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<unsigned short>(std::toupper(static_cast<unsigned char>(name[0])));
    if (name.size() >= 2 && name[0] == 'f') {
        const std::string digits = name.substr(1);
        if (digits.size() <= 2 && digits.find_first_not_of("0123456789") == std::string::npos && digits[0] != '0') {
            const int n = std::stoi(digits);
            if (n >= 1 && n <= 24)
                return static_cast<unsigned short>(KeyF1 + n - 1);
        }
    }
    return 0;
}

} // namespace

CKeyChord ParseKeyChord(const std::string& text)
{
    CKeyChord chord;
    size_t start = 0;
    while (true) {
        const size_t plus = text.find('+', start);
        const std::string name = Lower(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        const bool last = plus == std::string::npos;
        if (const unsigned short modifier = ModifierCode(name)) {
            for (const unsigned short held : chord.modifiers)
                if (held == modifier)
                    throw CScriptError("\"" + text + "\" names " + name + " twice");
            chord.modifiers.push_back(modifier);
        } else if (const unsigned short key = KeyCode(name); key != 0 && last) {
            chord.key = key;
        } else {
            throw CScriptError("\"" + text + "\": unknown key \"" + name +
                               "\" (modifiers ctrl, alt, shift before one key: F1..F24, A..Z, 0..9, tab, enter, esc, space, "
                               "backspace, delete, insert, home, end, pgup, pgdn, left, right, up, down)");
        }
        if (last)
            return chord;
        start = plus + 1;
    }
}
