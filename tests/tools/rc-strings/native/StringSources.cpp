// The host build's strings: the tables generated from the resource scripts.
#include "tests/tools/rc-strings/StringSources.h"

#include "runtime/StringTable.h"
#include "runtime/native/CompiledStringTable.h"

extern const CompiledStringTable fixtureStringTable;

std::wstring ProgramString(unsigned short langId, unsigned id) {
    return std::wstring(CompiledString(langId, id));
}

std::wstring FixtureString(unsigned short langId, unsigned id) {
    return std::wstring(FindCompiledString(fixtureStringTable, langId, id));
}
