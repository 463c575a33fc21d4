// The data log's failure texts.
#include "protocol/DataLogMessages.h"

#include "protocol/resources/protocol_ids.h"
#include "runtime/ResourceText.h"
#include "runtime/SystemReason.h"

std::wstring DataLogNotOpenedMessage(const std::vector<DataLogAttempt>& attempts)
{
    std::wstring text = LoadResourceText(IDS_DATA_LOG_NOT_OPENED);
    for (const DataLogAttempt& attempt : attempts)
        text += L"\r\n" + WithSystemReason(attempt.path, attempt.error, ReasonPlacement::SameLine);
    return text;
}

std::wstring DataLogStoppedMessage(const std::wstring& path, uint32_t rowsWritten, TErrorCode error)
{
    return WithSystemReason(LoadResourceText(IDS_DATA_LOG_STOPPED, {path, std::to_wstring(rowsWritten)}), error);
}
