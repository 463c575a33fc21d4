// The session's side of the data log: switching it, and a row for every polled answer.
#include "protocol/KivraProcessor.h"

#include <vector>

#include "protocol/DataLogMessages.h"
#include "protocol/SessionOwner.h"
#include "protocol/UserPrompt.h"
#include "runtime/OsFolders.h"
#include "runtime/OsHandle.h"
#include "runtime/ProcessClock.h"

namespace
{
// The folder of the program's data logs in the user's documents, when the program's own
// folder cannot take them (installed for all users, a read-only share).
constexpr wchar_t kDocumentsSubfolder[] = L"KIVRA";

std::wstring ModuleFolder()
{
    wchar_t folder[TProcessClock::kMaxPath + 1];
    uint32_t size = sizeof folder / sizeof folder[0];
    return GetModuleDirectory(&size, folder) ? std::wstring(folder) : std::wstring();
}

// The log opened at path, or none with the place and its reason added to the attempts.
CRefPtr<CReportFile> OpenLog(const std::wstring& path, std::vector<DataLogAttempt>& attempts)
{
    CRefPtr<CReportFile> log(new CReportFile(path.c_str()));
    if (log->Create())
        return log;
    attempts.push_back({path, log->GetError()});
    return CRefPtr<CReportFile>();
}

// The program's folder first, where users and their scripts look for the files; then the
// documents folder.
CRefPtr<CReportFile> OpenLogWhereWritable(uint32_t serialNumber, std::vector<DataLogAttempt>& attempts)
{
    CRefPtr<CReportFile> log = OpenLog(CReportFile::FileName(ModuleFolder(), serialNumber), attempts);
    if (log)
        return log;
    const std::wstring documents = OsDocumentsFolder();
    if (documents.empty())
        return log;
    const std::wstring folder = documents + kDocumentsSubfolder + documents.back();
    if (!OsCreateFolder(folder)) {
        attempts.push_back({folder, OsLastError()});
        return log;
    }
    return OpenLog(CReportFile::FileName(folder, serialNumber), attempts);
}
}

void CKivraProcessor::SetDataLog(DataLogMode mode)
{
    // Even the mode already running gets a new log object, so its elapsed column starts again
    // at 0; the old one is closed first because the file is not shared for writing.
    CloseDataLog();
    m_fullData = false;
    if (mode == DataLogMode::Off) {
        m_owner.Notify(SessionNotify::DataLog);
        return;
    }
    std::vector<DataLogAttempt> attempts;
    m_dataLog = OpenLogWhereWritable(DecodeSettings(m_records.settings).serialNumber, attempts);
    m_fullData = m_dataLog && mode == DataLogMode::FullData;
    m_dataLogStart = m_dataLog && m_dataLog->GetError() == errc::kAlreadyExists ? m_dataLog->Size() : -1;
    m_owner.Notify(SessionNotify::DataLog);
    if (!m_dataLog && m_prompt != nullptr)
        m_prompt->ShowMessage(DataLogNotOpenedMessage(attempts));
}

const wchar_t* CKivraProcessor::GetDataLogPath() const
{
    return m_dataLog ? m_dataLog->Path() : L"";
}

void CKivraProcessor::CloseDataLog()
{
    if (!m_dataLog)
        return;
    m_dataLog->Destroy();
    m_dataLog.Reset();
}

void CKivraProcessor::WriteDataLogRow(int subcode)
{
    if (!m_dataLog || m_dataLog->WriteRow(m_records.displayTexts, subcode != 4))
        return;
    // Closed as before, but said: a box still ticked over a log that writes nothing would be a
    // failure passed off as success.
    const std::wstring path = m_dataLog->Path();
    const uint32_t rows = m_dataLog->RowsWritten();
    const TErrorCode reason = m_dataLog->GetError();
    CloseDataLog();
    m_fullData = false;
    m_owner.Notify(SessionNotify::DataLog);
    if (m_prompt != nullptr)
        m_prompt->ShowMessage(DataLogStoppedMessage(path, rows, reason));
}
