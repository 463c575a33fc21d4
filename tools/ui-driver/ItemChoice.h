// Which item of a combo box or tab control a script means: "#N" the item at index N, any other
// word the first item with exactly that text, else the first item the word matches as a
// wildcard pattern.
#pragma once

#include <string>
#include <vector>

struct CItemChoice
{
    int index = -1; // "#N"
    std::string text;

    std::string Describe() const;
};

CItemChoice ParseItemChoice(const std::string& word); // throws CScriptError for a bad "#..."
// The index chosen among the items, or -1 when none fits.
int FindItem(const std::vector<std::string>& items, const CItemChoice& choice);
