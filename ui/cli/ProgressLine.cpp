// The firmware download progress: a redrawn bar on a console, whole lines elsewhere.
#include "ui/cli/ProgressLine.h"

#include "ui/cli/CliText.h"
#include "ui/resources/cli_ids.h"

#include <cwchar>

namespace {

constexpr int kBarCells = 20;

int Percent(const DownloadProgress& p)
{
    return p.size == 0 ? 0 : static_cast<int>(static_cast<uint64_t>(p.position) * 100 / p.size);
}

// Bytes a second and seconds left, or false while there is nothing to measure yet.
bool Rate(const DownloadProgress& p, double& bytesPerSecond, int64_t& secondsLeft)
{
    if (p.elapsedMs < 1000 || p.position <= p.startPosition)
        return false;
    bytesPerSecond = (p.position - p.startPosition) * 1000.0 / static_cast<double>(p.elapsedMs);
    secondsLeft = static_cast<int64_t>((p.size - p.position) / bytesPerSecond + 0.5);
    return true;
}

std::wstring Facts(const DownloadProgress& p)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%3d%%  ", Percent(p));
    std::wstring out = text + CliText(IDS_CLI_PROGRESS_BYTES, {std::to_wstring(p.position), std::to_wstring(p.size)});
    double rate = 0;
    int64_t left = 0;
    if (Rate(p, rate, left)) {
        std::swprintf(text, 32, L"%.0f", rate);
        std::wstring bytesPerSecond = text;
        std::swprintf(text, 32, L"%lld:%02lld", static_cast<long long>(left / 60), static_cast<long long>(left % 60));
        out += L"  " + CliText(IDS_CLI_PROGRESS_RATE, {bytesPerSecond, text});
    }
    return out;
}

}  // namespace

std::wstring ProgressBarText(const DownloadProgress& progress)
{
    const int filled = Percent(progress) * kBarCells / 100;
    return L"[" + std::wstring(filled, L'#') + std::wstring(kBarCells - filled, L'.') + L"] " + Facts(progress);
}

std::wstring ProgressPlainLine(const DownloadProgress& progress)
{
    return CliText(IDS_CLI_PROGRESS_FIRMWARE, {Facts(progress)});
}

bool CPlainProgressPacer::Due(const DownloadProgress& progress)
{
    const int tenth = Percent(progress) / 10;
    if (tenth == m_lastTenth)
        return false;
    m_lastTenth = tenth;
    return true;
}
