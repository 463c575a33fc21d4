// What a scan for sensors visits, in which order, and how long it waits at each address.
#pragma once

#include "runtime/SerialReadGap.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct AddressRange {
    unsigned first = 0;
    unsigned last = 255;
};

// "FIRST-LAST" or a single address, each 0..255, FIRST not above LAST.
bool ParseAddressRange(const std::wstring& text, AddressRange& range);
// "255, 0-254" as the range is shown to the engineer: the common address first when it is asked.
std::wstring AddressRangeText(const AddressRange& range);

// The common address first when the range holds it (a lone sensor answers it at once, and
// several that take it show as a collision), then the range upwards.
std::vector<uint8_t> ScanAddressOrder(const AddressRange& range);

// Every byte is 10 bit times on the line (start, 8 data bits, stop).
constexpr unsigned kLineBitsPerByte = 10;
// The scan opens its line with the fixed read gap: a probe's answer then comes in one read
// even through a slow adapter, and the waits below count it.
constexpr unsigned kSerialReadGapMs = kFixedReadGapMs;
// What a sensor may take between the end of a request and its answer.
constexpr unsigned kSensorTurnaroundMs = 10;
// Scheduling of the system's serial read and of this program on a loaded computer.
constexpr unsigned kProbeMarginMs = 40;
// Sensors that take the common address may answer it one after another rather than at once:
// that request waits for this many answers on the line.
constexpr unsigned kCommonAddressAnswers = 3;

// Microseconds that bytes take on the line at a baud rate, rounded up.
uint64_t WireMicroseconds(uint32_t baud, unsigned bytes);
// How long to wait, from handing the request to the port, for an answer of answerLength bytes:
// the request and the answer on the line, the turnaround, the read gap and the margin.
unsigned ProbeWaitMs(uint32_t baud, unsigned requestLength, unsigned answerLength);

// The wait for the settings answer that brings a found sensor's serial number.
unsigned SettingsReadWaitMs(uint32_t baud);

// The identification requests of a scan: every address at each baud rate in turn.
class CScanSchedule
{
public:
    CScanSchedule(std::vector<uint32_t> bauds, std::vector<uint8_t> addresses);

    std::size_t Count() const { return m_bauds.size() * m_addresses.size(); }
    uint32_t BaudAt(std::size_t i) const { return m_bauds[i / m_addresses.size()]; }
    uint8_t AddressAt(std::size_t i) const { return m_addresses[i % m_addresses.size()]; }
    // The first request of a baud rate: the port is (re)opened there.
    bool StartsBaud(std::size_t i) const { return i % m_addresses.size() == 0; }
    // The common address with room for several answers, the others for one.
    unsigned WaitMs(std::size_t i) const;
    // The waits of the requests from i to the end: the time the scan still takes when no more
    // sensors answer.
    int64_t MillisecondsLeft(std::size_t i) const;

private:
    std::vector<uint32_t> m_bauds;
    std::vector<uint8_t> m_addresses;
};

// "1:05" for the progress line.
std::wstring MinutesSecondsText(int64_t milliseconds);
// "27.4" for the summary.
std::wstring SecondsText(int64_t milliseconds);
