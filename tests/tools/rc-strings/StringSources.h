// Where the string-table tests read their texts: the program's own tables and the escape
// fixture, as this build carries them (resources under Windows, generated tables natively).
#pragma once

#include <string>

std::wstring ProgramString(unsigned short langId, unsigned id);
std::wstring FixtureString(unsigned short langId, unsigned id);

// Paths of the resource scripts in the source tree.
inline std::string SourcePath(const std::string& relative) {
    return std::string(KIVRA_SOURCE_DIR) + "/" + relative;
}
