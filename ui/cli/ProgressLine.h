// The firmware download progress: a redrawn bar on a console, whole lines elsewhere.
#pragma once

#include <cstdint>
#include <string>

struct DownloadProgress {
    uint32_t position = 0;  // image bytes the sensor has
    uint32_t size = 0;
    uint32_t startPosition = 0;  // where this run began (a resumed download starts above 0)
    int64_t elapsedMs = 0;       // since this run began sending
};

// "[#########...........]  45%  1234/5000 bytes  120 B/s  0:31 left", 20 cells wide;
// rate and time left stay out until a second has passed and bytes have moved.
std::wstring ProgressBarText(const DownloadProgress& progress);
// The same facts as one line of plain text.
std::wstring ProgressPlainLine(const DownloadProgress& progress);

// Which plain lines to print: one at each tenth of the image, and the last.
class CPlainProgressPacer
{
public:
    bool Due(const DownloadProgress& progress);

private:
    int m_lastTenth = -1;
};
