// kivra-decode: decodes sensor frames in a communication trace or in plain hexadecimal bytes.
#include "ReportWriter.h"
#include "TraceDecoder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: kivra-decode [--json] [FILE...]\n"
    "Decodes sensor protocol frames. Input lines are trace lines as the log page shows them\n"
    "(\"Tx;41 00 FF 00 EE \", \"Rx;42 ...\") or plain hexadecimal bytes; blank lines and lines\n"
    "starting with # are ignored. Without FILE, or with -, standard input is read.\n"
    "  --json   one JSON object per frame instead of text lines\n"
    "Exit status: 0 when all input was read, 2 when some could not be.\n";

// Decodes one opened input; false when reading it failed.
bool DecodeStream(std::FILE* in, const char* name, CReportSink& sink)
{
    CTraceDecoder decoder(sink);
    std::string line;
    unsigned number = 0;
    int c;
    bool more = true;
    while (more) {
        line.clear();
        while ((c = std::fgetc(in)) != EOF && c != '\n')
            line += static_cast<char>(c);
        more = c != EOF;
        if (!more && line.empty())
            break;
        ++number;
        if (!decoder.TakeLine(line))
            std::fprintf(stderr, "kivra-decode: %s:%u: neither a trace line nor hexadecimal bytes, left out\n", name,
                         number);
    }
    if (std::ferror(in)) {
        std::fprintf(stderr, "kivra-decode: cannot read %s: %s\n", name, std::strerror(errno));
        return false;
    }
    decoder.Finish();
    return true;
}

bool DecodeFile(const char* path, CReportSink& sink)
{
    if (std::strcmp(path, "-") == 0)
        return DecodeStream(stdin, "standard input", sink);
    std::FILE* in = std::fopen(path, "rb");
    if (!in) {
        std::fprintf(stderr, "kivra-decode: cannot open %s: %s\n", path, std::strerror(errno));
        return false;
    }
    const bool ok = DecodeStream(in, path, sink);
    std::fclose(in);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    bool json = false;
    std::vector<const char*> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (argv[i][0] == '-' && argv[i][1] != 0) {
            std::fprintf(stderr, "kivra-decode: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.empty())
        files.push_back("-");

    CReportWriter writer(stdout, json);
    bool ok = true;
    for (const char* file : files)
        ok = DecodeFile(file, writer) && ok;
    return ok ? 0 : 2;
}
