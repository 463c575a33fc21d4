// firmware: the image checked, then the update with its progress, as the window's update runs it.
#include "ui/cli/win32/Commands.h"

#include "protocol/FirmwareFile.h"
#include "protocol/FirmwareMessages.h"
#include "protocol/KivraProcessor.h"
#include "runtime/ProcessClock.h"
#include "ui/cli/CliText.h"
#include "ui/cli/CollectedPrompt.h"
#include "ui/cli/MessageLine.h"
#include "ui/cli/ProgressLine.h"
#include "ui/cli/win32/CommandRun.h"
#include "ui/cli/win32/ConsoleOutput.h"
#include "ui/cli/win32/SensorLink.h"
#include "ui/resources/cli_ids.h"

namespace {

// Shows the download as it goes: the status texts as lines, the blocks as a bar or as paced lines.
class CProgressView
{
public:
    CProgressView(CSensorLink& link) : m_link(link) {}

    void Update()
    {
        const CKivraProcessor& session = m_link.Session();
        const int status = session.Status().GetFirmware();
        const CFirmwareFile* image = session.GetFirmwareImage();
        if (status == CSessionStatus::FirmwareDownloading && image) {
            Show(*image, false);
        } else {
            // The last block's acknowledge goes straight on to the status request: its progress is shown here.
            if (m_shown == CSessionStatus::FirmwareDownloading && image)
                Show(*image, true);
            if (status != m_shown && status != CSessionStatus::FirmwareNone &&
                status != CSessionStatus::FirmwareUpToDate && status != CSessionStatus::FirmwareCompleted)
                m_link.Output().Out(session.Status().GetFirmwareText());
        }
        m_shown = status;
    }

private:
    void Show(const CFirmwareFile& image, bool last)
    {
        if (m_start < 0) {
            m_start = NowMilliseconds();
            m_startPosition = image.Position();
        }
        const DownloadProgress progress{image.Position(), image.Size(), m_startPosition, NowMilliseconds() - m_start};
        if (m_link.Output().OutIsConsole()) {
            m_link.Output().Redraw(ProgressBarText(progress));
            if (last)
                m_link.Output().Done();
        } else if (m_pacer.Due(progress)) {
            m_link.Output().Out(ProgressPlainLine(progress));
        }
    }

    CSensorLink& m_link;
    CPlainProgressPacer m_pacer;
    int m_shown = CSessionStatus::FirmwareNone;
    int64_t m_start = -1;
    uint32_t m_startPosition = 0;
};

}  // namespace

bool LoadFirmwareImage(const std::wstring& path, CRefPtr<CFirmwareFile>& image, std::wstring& why)
{
    image = new CFirmwareFile;
    CCollectedPrompt prompt;
    if (image->Load(path.c_str(), prompt))
        return true;
    why = path + L": " + prompt.message;
    image.Reset();
    return false;
}

ExitCode RunFirmware(const CliArguments& arguments, CCommandRun& run)
{
    CSensorLink& link = run.Link();
    CRefPtr<CFirmwareFile> image;
    std::wstring why;
    if (!LoadFirmwareImage(arguments.operands[0], image, why))
        return link.Fail(ExitCode::BadFirmwareFile, why);
    CCollectedPrompt prompt;
    const ExitCode connected = link.Connect();
    if (connected != ExitCode::Ok)
        return connected;
    CKivraProcessor& session = link.Session();
    const std::wstring foreign = ForeignImageMessage(image->Header(), session.Records().identification);
    if (!foreign.empty())
        return link.Fail(ExitCode::BadFirmwareFile, arguments.operands[0] + L": " + MessageLine(foreign));
    // The session tells of an image that can no longer be read through the prompt.
    prompt.message.clear();
    const CPromptLoan loan(session, prompt);
    if (!session.StartFirmwareUpdate(image.Get()))
        return link.Fail(ExitCode::ConnectionLost, CliText(IDS_CLI_FIRMWARE_NOT_READY));
    image.Reset();  // the session holds its own reference while the update runs
    CProgressView view(link);
    link.OnEveryUpdate([&view](unsigned) { view.Update(); });
    const ExitCode waited = link.WaitFor([&session] {
        const int status = session.Status().GetFirmware();
        return status == CSessionStatus::FirmwareUpToDate || status == CSessionStatus::FirmwareCompleted ||
               !session.GetFirmwareImage();
    });
    link.OnEveryUpdate(nullptr);
    if (waited != ExitCode::Ok)
        return waited;
    const int status = session.Status().GetFirmware();
    if (status == CSessionStatus::FirmwareUnreadable)
        return link.Fail(ExitCode::BadFirmwareFile,
                         arguments.operands[0] + L": " +
                             (prompt.message.empty() ? session.Status().GetFirmwareText() : prompt.message));
    if (status != CSessionStatus::FirmwareUpToDate && status != CSessionStatus::FirmwareCompleted)
        return link.Fail(ExitCode::WriteRejected, CliText(IDS_CLI_FIRMWARE_ABANDONED));
    link.Output().Out(session.Status().GetFirmwareText());
    return ExitCode::Ok;
}
