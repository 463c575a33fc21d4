// The session's side of the data log: switching it, and a row for every polled answer.
#include "protocol/KivraProcessor.h"

#include "runtime/ProcessClock.h"

namespace
{
std::wstring ModuleFolder()
{
    wchar_t folder[TProcessClock::kMaxPath + 1];
    uint32_t size = sizeof folder / sizeof folder[0];
    return GetModuleDirectory(&size, folder) ? std::wstring(folder) : std::wstring();
}
}

void CKivraProcessor::SetDataLog(int mode)
{
    // Even the mode already running gets a new log object, so its elapsed column starts again
    // at 0; the old one is closed first because the file is not shared for writing.
    CloseDataLog();
    if (mode != 1 && mode != 2) {
        m_fullData = false;
        return;
    }
    const std::wstring name = CReportFile::FileName(ModuleFolder(), DecodeSettings(m_records.settings).serialNumber);
    m_dataLog = CRefPtr<CReportFile>(new CReportFile(name.c_str()));
    if (m_dataLog->Create()) {
        m_fullData = mode == 2;
    } else {
        m_dataLog.Reset();
        m_fullData = false;
    }
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
    if (m_dataLog && !m_dataLog->WriteRow(m_records.displayTexts, subcode != 4))
        CloseDataLog();
}
