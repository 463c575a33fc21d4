// The data log's failure texts.
#include "protocol/DataLogMessages.h"

#include "protocol/FirmwareMessages.h"
#include "runtime/ResourceText.h"
#include "protocol/resources/protocol_ids.h"

namespace
{
// The system's text without the line break it ends with, so that it can stand after a path.
std::wstring Reason(TErrorCode error)
{
    std::wstring text = SystemErrorMessage(error);
    text.erase(text.find_last_not_of(L" \t\r\n") + 1);
    return text;
}
}

std::wstring DataLogNotOpenedMessage(const std::vector<DataLogAttempt>& attempts)
{
    std::wstring text = LoadResourceText(IDS_DATA_LOG_NOT_OPENED);
    for (const DataLogAttempt& attempt : attempts)
        text += L"\r\n" + attempt.path + L": " + Reason(attempt.error);
    return text;
}

std::wstring DataLogStoppedMessage(const std::wstring& path, uint32_t rowsWritten, TErrorCode error)
{
    return LoadResourceText(IDS_DATA_LOG_STOPPED, {path, std::to_wstring(rowsWritten)}) + L"\r\n" + Reason(error);
}
