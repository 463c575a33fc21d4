// The system's reason for a failure, and how it follows a product message.
#include "runtime/SystemReason.h"

#include <cstring>

#include "runtime/SocketErrorNames.h"
#include "runtime/TString.h"

std::wstring SystemReasonText(TErrorCode code)
{
    std::wstring text = TWin32ErrorString(code).Get();
    // The system's texts end with a line break.
    text.erase(text.find_last_not_of(L" \t\r\n") + 1);
    if (!text.empty())
        return text;
    const char* name = SocketErrorName(static_cast<int>(code));
    if (name == nullptr)
        return L"#" + std::to_wstring(code);
    return std::wstring(name, name + std::strlen(name));
}

std::wstring WithSystemReason(const std::wstring& message, TErrorCode code, ReasonPlacement placement)
{
    if (code == 0)
        return message;
    return message + (placement == ReasonPlacement::OwnLine ? L"\r\n" : L": ") + SystemReasonText(code);
}
