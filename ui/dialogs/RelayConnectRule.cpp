// When the IP connection dialog may connect, and the terminal id its text stands for.
#include "ui/dialogs/RelayConnectRule.h"

#include "protocol/PlainNumber.h"

#include <cwchar>
#include <limits>

std::optional<uint32_t> TerminalIdOfText(const std::wstring& text)
{
    if (!IsPlainNumber(text, PlainNumberKind::Unsigned))
        return std::nullopt;
    // A plain number: blanks and "+" around digits only, so this reads all of it; a value
    // past 32 bits must not wrap round into some other terminal's id.
    const unsigned long long value = std::wcstoull(text.c_str(), nullptr, 10);
    if (value == 0 || value > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

bool CanConnectThroughRelay(const RelayConnectInputs& inputs)
{
    return !inputs.channelExists && !inputs.serverAddress.empty() && TerminalIdOfText(inputs.terminalIdText) &&
           inputs.terminalPortIndex >= 0 && inputs.baudIndex >= 0;
}
