// What the network address dialog makes of its two texts after every keystroke.
#include "ui/dialogs/NetAddressRule.h"

#include "protocol/PlainNumber.h"

#include <cwchar>

namespace {

bool Acceptable(const std::wstring& text)
{
    return text.empty() || IsPlainNumber(text, PlainNumberKind::Unsigned);
}

// An accepted non-empty text: digits between optional blanks and "+", read whole. Wide
// enough that no digit string of an edit field overflows into a small or negative value.
long long ValueOf(const std::wstring& text)
{
    return std::wcstoll(text.c_str(), nullptr, 10);
}

}  // namespace

NetAddressVerdict CheckNetAddressTexts(const std::wstring& address, const std::wstring& serialNumber,
                                       bool serviceMode)
{
    NetAddressVerdict verdict;
    if (!Acceptable(address) || (serviceMode && !Acceptable(serialNumber)))
        return verdict;
    verdict.accepted = true;
    const bool addressValid = !address.empty() && ValueOf(address) <= kHighestSensorAddress;
    const bool serialValid = !serviceMode || (!serialNumber.empty() && ValueOf(serialNumber) > 0);
    verdict.writeEnabled = addressValid && serialValid;
    return verdict;
}
