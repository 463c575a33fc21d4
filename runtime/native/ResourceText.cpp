// String-table texts on the host: the English entries of the tables compiled
// into the host build from the same resource scripts.
#include "runtime/ResourceText.h"

#include "runtime/StringTable.h"

namespace {

constexpr unsigned short kEnglish = 1033;

} // namespace

std::wstring LoadResourceText(unsigned id)
{
    return std::wstring(CompiledString(kEnglish, id));
}
