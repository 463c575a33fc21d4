// kivra-rc-strings: compiles the string tables of resource scripts into a C++ table, so that
// the host build shows the same texts that windres puts into the Windows programs.
//
//   kivra-rc-strings [--symbol NAME] OUTPUT.cpp SCRIPT.rc...
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "tools/rc-strings/CppTableWriter.h"
#include "tools/rc-strings/RcStringReader.h"

int main(int argc, char** argv) {
    std::string symbol = "kivraStringTable";
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--symbol") == 0) {
        symbol = argv[arg + 1];
        arg += 2;
    }
    if (argc - arg < 2) {
        std::fprintf(stderr, "usage: kivra-rc-strings [--symbol NAME] OUTPUT.cpp SCRIPT.rc...\n");
        return 2;
    }
    const std::string output = argv[arg++];
    rcstrings::RcStringReader reader;
    for (; arg < argc; ++arg) {
        if (!reader.ReadFile(argv[arg])) {
            std::fprintf(stderr, "%s: error: %s\n", argv[0], reader.Error().c_str());
            return 1;
        }
    }
    const std::string source = rcstrings::CompiledTableSource(reader.Strings(), symbol);
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << source;
    file.close();
    if (!file) {
        std::fprintf(stderr, "%s: error: cannot write %s\n", argv[0], output.c_str());
        return 1;
    }
    return 0;
}
