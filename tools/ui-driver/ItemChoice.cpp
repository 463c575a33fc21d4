#include "ItemChoice.h"

#include "NumberWord.h"
#include "ScriptWords.h"
#include "Wildcard.h"

CItemChoice ParseItemChoice(const std::string& word)
{
    CItemChoice choice;
    if (!word.empty() && word[0] == '#') {
        choice.index = static_cast<int>(ParseNumberWord(word.substr(1), 0, 65535));
        if (choice.index < 0)
            throw CScriptError("\"" + word + "\": write #N with the item's index N (0 is the first)");
        return choice;
    }
    choice.text = word;
    return choice;
}

int FindItem(const std::vector<std::string>& items, const CItemChoice& choice)
{
    const int count = static_cast<int>(items.size());
    if (choice.index >= 0)
        return choice.index < count ? choice.index : -1;
    for (int i = 0; i < count; ++i)
        if (items[i] == choice.text)
            return i;
    if (IsWildcardPattern(choice.text))
        for (int i = 0; i < count; ++i)
            if (WildcardMatch(choice.text, items[i]))
                return i;
    return -1;
}

std::string CItemChoice::Describe() const
{
    return index >= 0 ? "item #" + std::to_string(index) : "item " + QuoteText(text);
}
