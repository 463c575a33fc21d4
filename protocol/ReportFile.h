// The data log file: one text row of live values per polled data answer, appended to the file.
#pragma once

#include <cstdint>
#include <string>

#include "protocol/DisplayTexts.h"
#include "runtime/RefCount.h"
#include "runtime/TFileHandleObject.h"

class CReportFile : public CRefCount, public TFileHandleObject
{
public:
    // Closed until Create; existing content is kept and rows go after it.
    explicit CReportFile(const wchar_t* path);

    // The counted reference of the session, not the runtime object's own count.
    using CRefCount::AddRef;
    using CRefCount::Release;

    // Short form: elapsed ms, temperature, angle, LLS 1, LLS 2; the long form adds the vector
    // and the auxiliary value. False when the write fails (the error code says why); the file
    // then ends with the last whole row again.
    bool WriteRow(const DisplayTexts& texts, bool longForm);
    // Rows this object has written since it was opened.
    uint32_t RowsWritten() const { return m_rows; }

    // The file of a sensor's log: the given folder (with its separator) and "GearLog_<serial>.txt".
    static std::wstring FileName(const std::wstring& folder, uint32_t serialNumber);

private:
    static constexpr int64_t kNotYet = INT64_MAX;
    int64_t m_firstRowTime = kNotYet;
    uint32_t m_rows = 0;
};
