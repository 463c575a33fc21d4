// kivra-cli chart: a data-log file drawn as a chart picture, without a sensor or a window.
#include "ui/chart/DataLogReader.h"
#include "ui/chart/DataLogReport.h"
#include "ui/chart/win32/ChartPng.h"
#include "ui/cli/ChartRequest.h"
#include "ui/cli/CliText.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/Commands.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/FileFailure.h"
#include "ui/resources/cli_ids.h"

#include <windows.h>

#include <gdiplus.h>

#include <algorithm>

namespace {

// GDI+ for the encoder, for as long as the command runs.
class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        m_started = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_started)
            Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
    bool m_started = false;
};

ExitCode Fail(CConsoleOutput& output, const std::wstring& message)
{
    output.Err(L"kivra-cli: " + message);
    return ExitCode::FileError;
}

}  // namespace

ExitCode RunChart(const CliArguments& arguments, CCommandRun& run)
{
    CConsoleOutput& output = run.Output();
    ChartRequest request;
    std::wstring error;
    if (!MakeChartRequest(arguments, request, error)) {
        output.Err(CliText(IDS_CLI_USAGE_ERROR, {error}));
        return ExitCode::Usage;
    }
    const DataLogFile file = ReadDataLogFile(request.log, nullptr);
    switch (file.status) {
    case DataLogStatus::CannotOpen:
    case DataLogStatus::CannotRead:
        return Fail(output, FileFailure(IDS_CLI_CANNOT_READ, request.log, file.systemError));
    case DataLogStatus::NoRows:
        return Fail(output, NoRowsText(request.log));
    case DataLogStatus::Stopped:
    case DataLogStatus::Read:
        break;
    }
    for (const std::wstring& line : SkippedLinesReport(file))
        output.Err(L"kivra-cli: " + line);

    const SampleStore& samples = *file.samples;
    ChartScene scene;
    scene.samples = &samples;
    scene.visible = PictureRange(request, TimeRange{samples.TimeAt(0), samples.TimeAt(samples.Size() - 1)});
    scene.shown = request.series;
    if (scene.shown.empty()) {
        // Every series of the log, the angle first, as the page lists them.
        for (std::size_t s = 0; s < samples.SeriesCount(); ++s)
            scene.shown.push_back(samples.SeriesAt(s));
        std::sort(scene.shown.begin(), scene.shown.end(),
                  [](const SeriesId& a, const SeriesId& b) { return a.kind < b.kind || (a.kind == b.kind && a.code < b.code); });
    }
    scene.zoom = PictureZoom(request.size);

    const GdiplusSession gdiplus;
    if (const std::uint32_t failure = SaveChartPng(request.picture, scene, request.size))
        return Fail(output, FileFailure(IDS_CLI_CANNOT_WRITE, request.picture, failure));
    output.Out(CliText(IDS_CLI_CHART_WRITTEN, {std::to_wstring(file.rows), request.picture}));
    return ExitCode::Ok;
}
