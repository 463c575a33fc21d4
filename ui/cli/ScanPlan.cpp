// What a scan for sensors visits, in which order, and how long it waits at each address.
#include "ui/cli/ScanPlan.h"

#include "protocol/IdentificationRecord.h"
#include "protocol/PlainNumber.h"
#include "protocol/RequestFrame.h"
#include "protocol/SensorCodes.h"
#include "protocol/SettingsBlock.h"

#include <cwchar>

namespace {

constexpr unsigned kFrameOverhead = CRequestFrame::MaxLength - CRequestFrame::MaxPayload;
constexpr unsigned kIdentificationAnswerLength = kFrameOverhead + kIdentificationRecordSize;

bool ReadAddress(const std::wstring& text, unsigned& address)
{
    if (!IsPlainNumber(text, PlainNumberKind::Unsigned) || text.size() > 3)
        return false;
    address = static_cast<unsigned>(std::wcstoul(text.c_str(), nullptr, 10));
    return address <= CommonAddress;
}

}  // namespace

bool ParseAddressRange(const std::wstring& text, AddressRange& range)
{
    const std::size_t dash = text.find(L'-');
    AddressRange read;
    if (dash == std::wstring::npos) {
        if (!ReadAddress(text, read.first))
            return false;
        read.last = read.first;
    } else if (!ReadAddress(text.substr(0, dash), read.first) || !ReadAddress(text.substr(dash + 1), read.last) ||
               read.first > read.last) {
        return false;
    }
    range = read;
    return true;
}

std::wstring AddressRangeText(const AddressRange& range)
{
    const bool common = range.last == CommonAddress;
    const unsigned last = common ? CommonAddress - 1 : range.last;
    std::wstring text = common ? std::wstring(L"255") : std::wstring();
    if (range.first > last)
        return text;
    if (!text.empty())
        text += L", ";
    text += std::to_wstring(range.first);
    if (last != range.first)
        text += L"-" + std::to_wstring(last);
    return text;
}

std::vector<uint8_t> ScanAddressOrder(const AddressRange& range)
{
    std::vector<uint8_t> order;
    if (range.last == CommonAddress)
        order.push_back(CommonAddress);
    for (unsigned a = range.first; a <= range.last && a < CommonAddress; ++a)
        order.push_back(static_cast<uint8_t>(a));
    return order;
}

uint64_t WireMicroseconds(uint32_t baud, unsigned bytes)
{
    const uint64_t bits = static_cast<uint64_t>(bytes) * kLineBitsPerByte * 1000000;
    return (bits + baud - 1) / baud;
}

unsigned ProbeWaitMs(uint32_t baud, unsigned requestLength, unsigned answerLength)
{
    const uint64_t wireMs = (WireMicroseconds(baud, requestLength + answerLength) + 999) / 1000;
    return static_cast<unsigned>(wireMs) + kSensorTurnaroundMs + kSerialReadGapMs + kProbeMarginMs;
}

unsigned SettingsReadWaitMs(uint32_t baud)
{
    return ProbeWaitMs(baud, kFrameOverhead, kFrameOverhead + kSettingsPayloadSize);
}

CScanSchedule::CScanSchedule(std::vector<uint32_t> bauds, std::vector<uint8_t> addresses)
    : m_bauds(std::move(bauds)), m_addresses(std::move(addresses))
{
}

unsigned CScanSchedule::WaitMs(std::size_t i) const
{
    const unsigned answers = AddressAt(i) == CommonAddress ? kCommonAddressAnswers : 1;
    return ProbeWaitMs(BaudAt(i), kFrameOverhead, answers * kIdentificationAnswerLength);
}

int64_t CScanSchedule::MillisecondsLeft(std::size_t i) const
{
    int64_t left = 0;
    for (; i < Count(); ++i)
        left += WaitMs(i);
    return left;
}

std::wstring MinutesSecondsText(int64_t milliseconds)
{
    const int64_t seconds = (milliseconds + 999) / 1000;
    wchar_t text[32];
    std::swprintf(text, 32, L"%lld:%02lld", static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
    return text;
}

std::wstring SecondsText(int64_t milliseconds)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%.1f", static_cast<double>(milliseconds) / 1000.0);
    return text;
}
