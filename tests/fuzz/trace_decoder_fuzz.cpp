// Fuzz target: kivra-decode's input, any lines of trace text, plain hex or rubbish.
#include "ReportWriter.h"
#include "TraceDecoder.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Writes every report both ways, as the program does with and without --json.
class BothForms : public CReportSink
{
public:
    void Report(const CFrameReport& report) override
    {
        length += ReportText(report).size();
        length += ReportJson(report).Serialise().size();
    }
    std::size_t length = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    BothForms sink;
    CTraceDecoder decoder(sink);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        decoder.TakeLine(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    decoder.Finish();
    return 0;
}
