#include "AnswerButton.h"

#include "NumberWord.h"
#include "ScriptWords.h"

#include <cctype>

int ParseAnswerButton(const std::string& word)
{
    // IDOK .. IDCONTINUE of the Windows headers.
    const struct {
        const char* name;
        int id;
    } buttons[] = {{"ok", 1}, {"cancel", 2}, {"abort", 3}, {"retry", 4}, {"ignore", 5}, {"yes", 6},
                   {"no", 7}, {"close", 8}, {"help", 9}, {"tryagain", 10}, {"continue", 11}};
    std::string lower = word;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& button : buttons)
        if (lower == button.name)
            return button.id;
    const long id = ParseNumberWord(word, 0, 65535);
    if (id < 0)
        throw CScriptError("\"" + word + "\" names no button: OK, Cancel, Yes, No, Abort, Retry, Ignore, Close, Help, TryAgain, Continue or an id");
    return static_cast<int>(id);
}
