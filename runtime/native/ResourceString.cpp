// String-table entries from the tables compiled into the host build, in the chosen language.
#include "runtime/ResourceText.h"

#include "runtime/ResourceLanguage.h"
#include "runtime/StringTable.h"

std::wstring_view FindResourceString(THandle, unsigned id)
{
    const std::wstring_view chosen = CompiledString(GetResourceLanguage(), id);
    // English stands in where the chosen language lacks an entry, as the platform's own choice would.
    return chosen.empty() ? CompiledString(kLangEnglish, id) : chosen;
}
