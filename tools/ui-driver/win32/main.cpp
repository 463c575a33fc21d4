// kivra-ui-driver: runs driver commands against the windows of the desktop it shares with the
// program under test, one result line per command.
#include "DriverCommand.h"
#include "ScriptRunner.h"
#include "Win32Driver.h"
#include "WideText.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

const char usage[] =
    "usage: kivra-ui-driver [SCRIPT-FILE | -c COMMAND...]\n"
    "Without arguments the commands come from standard input, one a line, each answered at once\n"
    "with one line: \"ok[ VALUE]\" or \"FAILED COMMAND: REASON\". Exit status 0 when every command\n"
    "succeeded, 1 when any failed, 2 for a wrong command line. Commands:\n";

// One line of the stream without its end; false at the end of the stream.
bool ReadLine(FILE* stream, std::string& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(stream)) != EOF) {
        if (c == '\n')
            return true;
        line += static_cast<char>(c);
    }
    return !line.empty();
}

void PrintResult(const std::string& result)
{
    if (result.empty())
        return;
    std::fwrite(result.data(), 1, result.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout); // the harness waits for each line
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    std::vector<std::string> commands;
    std::string scriptFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = Narrow(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::printf("%s%s", usage, DriverCommandUsage().c_str());
            return 0;
        }
        if (arg == "-c" && i + 1 < argc) {
            commands.push_back(Narrow(argv[++i]));
        } else if (arg[0] != '-' && scriptFile.empty() && commands.empty()) {
            scriptFile = arg;
        } else {
            std::fprintf(stderr, "%s%s", usage, DriverCommandUsage().c_str());
            return 2;
        }
    }
    CWin32Driver driver;
    CScriptRunner runner(driver);
    if (!commands.empty()) {
        for (const std::string& command : commands)
            PrintResult(runner.RunLine(command));
    } else {
        FILE* stream = stdin;
        if (!scriptFile.empty() && !(stream = _wfopen(Wide(scriptFile).c_str(), L"rb"))) {
            std::fprintf(stderr, "kivra-ui-driver: cannot open the script %s\n", scriptFile.c_str());
            return 2;
        }
        std::string line;
        while (ReadLine(stream, line))
            PrintResult(runner.RunLine(line));
    }
    return runner.Failures() ? 1 : 0;
}
