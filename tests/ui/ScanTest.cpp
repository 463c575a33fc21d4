// The scan's plan (address order, waits sized to the line, time left), the verdict on what came
// back to one request, and the lines it prints.
#include "protocol/CrcEngine.h"
#include "protocol/LittleEndian.h"
#include "protocol/SettingsBlock.h"
#include "runtime/ResourceLanguage.h"
#include "ui/cli/ScanPlan.h"
#include "ui/cli/ScanProbe.h"
#include "ui/cli/ScanReport.h"
#include "ui/resources/cli_ids.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ScanPlan, CommonAddressFirstThenTheRangeUpwards)
{
    struct Case {
        AddressRange range;
        std::size_t count;
        std::vector<uint8_t> head;
        uint8_t last;
    };
    const Case cases[] = {
        {{0, 255}, 256, {255, 0, 1, 2}, 254},
        {{200, 255}, 56, {255, 200, 201}, 254},
        {{3, 80}, 78, {3, 4}, 80},
        {{255, 255}, 1, {255}, 255},
        {{0, 0}, 1, {0}, 0},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> order = ScanAddressOrder(c.range);
        ASSERT_EQ(order.size(), c.count) << c.range.first << "-" << c.range.last;
        EXPECT_TRUE(std::equal(c.head.begin(), c.head.end(), order.begin())) << c.range.first;
        EXPECT_EQ(order.back(), c.last);
    }
}

TEST(ScanPlan, AddressRangesAreReadAndShown)
{
    struct Case {
        const wchar_t* text;
        bool valid;
        unsigned first, last;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"0-255", true, 0, 255, L"255, 0-254"}, {L"3-80", true, 3, 80, L"3-80"},
        {L"77", true, 77, 77, L"77"},           {L"255", true, 255, 255, L"255"},
        {L"254-255", true, 254, 255, L"255, 254"}, {L"80-3", false, 0, 0, nullptr},
        {L"0-256", false, 0, 0, nullptr},       {L"-5", false, 0, 0, nullptr},
        {L"5-", false, 0, 0, nullptr},          {L"a-b", false, 0, 0, nullptr},
        {L"", false, 0, 0, nullptr},            {L"3-4-5", false, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        AddressRange range{9, 9};
        EXPECT_EQ(ParseAddressRange(c.text, range), c.valid) << std::wstring(c.text).size();
        if (!c.valid) {
            EXPECT_EQ(range.first, 9u);  // a refused text leaves the range as it was
            continue;
        }
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.last, c.last);
        EXPECT_EQ(AddressRangeText(range), c.shown);
    }
}

// 5-byte request, 37-byte identification answer (103 for settings), 10 bits a byte; plus the
// turnaround, the channel's 50 ms read gap and the margin.
TEST(ScanPlan, WaitsFollowTheLineSpeed)
{
    struct Case {
        uint32_t baud;
        uint64_t answerUs;
        unsigned probeMs, settingsMs;
    };
    const unsigned fixed = kSensorTurnaroundMs + kSerialReadGapMs + kProbeMarginMs;
    const Case cases[] = {
        {19200, 19271, 22 + fixed, 57 + fixed},
        {9600, 38542, 44 + fixed, 113 + fixed},
        {4800, 77084, 88 + fixed, 225 + fixed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WireMicroseconds(c.baud, 37), c.answerUs) << c.baud;
        EXPECT_EQ(ProbeWaitMs(c.baud, 5, 37), c.probeMs) << c.baud;
        EXPECT_EQ(SettingsReadWaitMs(c.baud), c.settingsMs) << c.baud;
    }
}

TEST(ScanPlan, ScheduleWalksEachBaudAndCountsTheTimeLeft)
{
    const CScanSchedule one({19200}, ScanAddressOrder({}));
    EXPECT_EQ(one.Count(), 256u);
    // A whole scan at 19200 baud when nothing answers: well under a minute. The common address
    // waits for three answers one after another.
    EXPECT_EQ(one.WaitMs(0), ProbeWaitMs(19200, 5, 3 * 37));
    EXPECT_EQ(one.WaitMs(1), ProbeWaitMs(19200, 5, 37));
    EXPECT_EQ(one.MillisecondsLeft(0), one.WaitMs(0) + 255 * one.WaitMs(1));
    EXPECT_LT(one.MillisecondsLeft(0), 40000);

    const CScanSchedule all({19200, 9600, 4800}, ScanAddressOrder({250, 255}));
    ASSERT_EQ(all.Count(), 18u);
    const std::size_t starts[] = {0, 6, 12};
    const uint32_t bauds[] = {19200, 9600, 4800};
    for (std::size_t i = 0; i < all.Count(); ++i) {
        EXPECT_EQ(all.StartsBaud(i), std::find(std::begin(starts), std::end(starts), i) != std::end(starts)) << i;
        EXPECT_EQ(all.BaudAt(i), bauds[i / 6]) << i;
        EXPECT_EQ(all.AddressAt(i), i % 6 == 0 ? 255 : 249 + i % 6) << i;
        EXPECT_EQ(all.MillisecondsLeft(i), all.WaitMs(i) + all.MillisecondsLeft(i + 1)) << i;
    }
    EXPECT_EQ(all.MillisecondsLeft(all.Count()), 0);
    EXPECT_EQ(all.MillisecondsLeft(12), ProbeWaitMs(4800, 5, 3 * 37) + 5 * ProbeWaitMs(4800, 5, 37));
}

TEST(ScanPlan, TimesAsShown)
{
    const std::pair<int64_t, const wchar_t*> left[] = {{0, L"0:00"}, {1, L"0:01"}, {59999, L"1:00"}, {61001, L"1:02"}};
    for (const auto& [ms, text] : left)
        EXPECT_EQ(MinutesSecondsText(ms), text) << ms;
    EXPECT_EQ(SecondsText(30149), L"30.1");
    EXPECT_EQ(SecondsText(950), L"0.9");
}

Bytes Response(uint8_t address, uint8_t code, const Bytes& payload)
{
    Bytes frame(4 + payload.size());
    frame[0] = 0x42;
    frame[1] = static_cast<uint8_t>(payload.size());
    frame[2] = address;
    frame[3] = code;
    std::copy(payload.begin(), payload.end(), frame.begin() + 4);
    frame.push_back(SensorCrc().Compute(frame.data(), frame.size()));
    return frame;
}

Bytes Identification(uint8_t address, uint32_t version, uint32_t deviceType)
{
    Bytes record(kIdentificationRecordSize, 0);
    PutU32(&record[kInstalledImageHeaderOffset + 12], version);
    PutU32(&record[kInstalledImageHeaderOffset + 16], deviceType);
    return Response(address, 0x01, record);
}

Bytes SettingsAnswer(uint8_t address, uint32_t serial)
{
    SensorSettings settings;
    settings.serialNumber = serial;
    settings.networkAddress = address;
    const SettingsBlock block = EncodeSettings(settings);
    Bytes payload{kSettingsMarker0, kSettingsMarker1};
    payload.insert(payload.end(), block.begin(), block.end());
    return Response(address, 0x2B, payload);
}

Bytes Joined(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Two answers driven onto the line at once: a bit either sends as 0 reads as 0.
Bytes Met(const Bytes& a, const Bytes& b)
{
    Bytes met(a);
    for (std::size_t i = 0; i < met.size() && i < b.size(); ++i)
        met[i] &= b[i];
    return met;
}

TEST(ScanProbe, VerdictsOnWhatCameBack)
{
    const Bytes three = Identification(3, 9, 3201), seventySeven = Identification(77, 8, 3201);
    const Bytes nine = Identification(9, 9, 3201);
    struct Case {
        const char* what;
        Bytes received;
        uint8_t asked;
        ProbeVerdict verdict;
        std::vector<uint8_t> senders;
    };
    const Case cases[] = {
        {"nothing", {}, 255, ProbeVerdict::Silent, {}},
        {"one sensor at the common address", three, 255, ProbeVerdict::Answered, {3}},
        {"two whole answers at the common address", Joined({three, seventySeven}), 255, ProbeVerdict::Collided, {3, 77}},
        {"answers met at the common address", Met(three, seventySeven), 255, ProbeVerdict::Collided, {}},
        {"an answer and garbage at the common address", Joined({three, {0x00, 0x13}}), 255, ProbeVerdict::Collided, {3}},
        {"the sensor at its address", nine, 9, ProbeVerdict::Answered, {9}},
        {"noise beside the answer at an address", Joined({{0x13}, nine}), 9, ProbeVerdict::Answered, {9}},
        {"a late answer of another sensor", three, 9, ProbeVerdict::Answered, {3}},
        {"a late answer beside the asked one", Joined({three, nine}), 9, ProbeVerdict::Answered, {3, 9}},
        {"two sensors with the same address", Joined({nine, Identification(9, 8, 3001)}), 9, ProbeVerdict::Collided,
         {9, 9}},
        {"answers met at one address", Met(nine, Identification(9, 8, 3001)), 9, ProbeVerdict::Damaged, {}},
        {"a damaged checksum", [&] { Bytes b = nine; b.back() ^= 0x5A; return b; }(), 9, ProbeVerdict::Damaged, {}},
        {"a cut-off answer", Bytes(nine.begin(), nine.begin() + 20), 9, ProbeVerdict::Damaged, {}},
        {"a settings answer only", SettingsAnswer(9, 1), 9, ProbeVerdict::Silent, {}},
    };
    for (const Case& c : cases) {
        const ProbeOutcome outcome = ClassifyProbe(c.received.data(), static_cast<unsigned>(c.received.size()), c.asked);
        EXPECT_EQ(outcome.verdict, c.verdict) << c.what;
        std::vector<uint8_t> senders;
        for (const ProbeAnswer& a : outcome.answers)
            senders.push_back(a.address);
        EXPECT_EQ(senders, c.senders) << c.what;
    }
    const ProbeOutcome one = ClassifyProbe(seventySeven.data(), static_cast<unsigned>(seventySeven.size()), 255);
    ASSERT_EQ(one.answers.size(), 1u);
    EXPECT_EQ(one.answers[0].identification.firmwareVersion, 8u);
    EXPECT_EQ(one.answers[0].identification.deviceType, 3201u);
}

TEST(ScanProbe, SerialNumberFromTheFoundSensorsSettingsAnswer)
{
    const Bytes answer = SettingsAnswer(77, 7077);
    uint32_t serial = 5;
    EXPECT_TRUE(FindSettingsAnswer(answer.data(), static_cast<unsigned>(answer.size()), 77, serial));
    EXPECT_EQ(serial, 7077u);
    const Bytes late = Joined({Identification(3, 9, 3201), {0x00}, answer});
    serial = 5;
    EXPECT_TRUE(FindSettingsAnswer(late.data(), static_cast<unsigned>(late.size()), 77, serial));
    EXPECT_EQ(serial, 7077u);
    serial = 5;
    EXPECT_FALSE(FindSettingsAnswer(answer.data(), static_cast<unsigned>(answer.size()), 78, serial));
    Bytes damaged = answer;
    damaged[40] ^= 1;
    EXPECT_FALSE(FindSettingsAnswer(damaged.data(), static_cast<unsigned>(damaged.size()), 77, serial));
    EXPECT_EQ(serial, 5u);
}

class LanguageScope
{
public:
    explicit LanguageScope(unsigned short language) { SetResourceLanguage(language); }
    ~LanguageScope() { SetResourceLanguage(kLangEnglish); }
};

TEST(ScanReport, LinesInEnglishAndRussian)
{
    FoundSensor sensor{L"COM5", 19200, 77, {9, 3201}, true, 7077};
    FoundSensor unknown{L"COM5", 4800, 3, {7, 9999}, false, 0};
    {
        LanguageScope english(kLangEnglish);
        EXPECT_EQ(FoundSensorLine(sensor), L"COM5, 19200 baud, address 77: TQS 25-07, firmware version 9, serial number 7077");
        EXPECT_EQ(FoundSensorLine(unknown), L"COM5, 4800 baud, address 3: unknown model (device type 9999), firmware "
                                            L"version 7, serial number unknown (no answer to the settings read)");
        EXPECT_EQ(ProbeProblemLine(L"COM5", 9600, 255, ProbeVerdict::Collided),
                  L"COM5, 9600 baud: answers collided at address 255: more than one sensor takes the common address");
        EXPECT_EQ(ProbeProblemLine(L"COM5", 9600, 12, ProbeVerdict::Collided),
                  L"COM5, 9600 baud: answers collided at address 12: more than one sensor has this address");
        EXPECT_EQ(ProbeProblemLine(L"COM5", 9600, 12, ProbeVerdict::Damaged),
                  L"COM5, 9600 baud, address 12: the answer fails its checksum (line noise, or more than one sensor "
                  L"with this address)");
        EXPECT_EQ(ProbeProblemLine(L"COM5", 9600, 12, ProbeVerdict::Answered), L"");
        EXPECT_EQ(ScanProgressText(19200, 40, 2, 24100), L"19200 baud, address 40, found 2, 0:25 left");
    }
    LanguageScope russian(kLangRussian);
    EXPECT_EQ(FoundSensorLine(sensor), L"COM5, 19200 бод, адрес 77: TQS 25-07, версия прошивки 9, серийный номер 7077");
    EXPECT_EQ(ScanProgressText(19200, 40, 2, 24100), L"19200 бод, адрес 40, найдено 2, осталось 0:25");
}

TEST(ScanReport, JsonKeepsItsKeysInEveryLanguage)
{
    const FoundSensor unknown{L"COM5", 4800, 3, {7, 9999}, false, 0};
    for (const unsigned short language : {kLangEnglish, kLangRussian}) {
        LanguageScope scope(language);
        EXPECT_EQ(FoundSensorJson(unknown), L"{\"port\": \"COM5\", \"baud\": 4800, \"address\": 3, \"model\": \"\", "
                                            L"\"firmware_version\": \"7\", \"device_type\": 9999, \"serial_number\": null}");
        EXPECT_EQ(ProbeProblemJson(L"COM5", 19200, 255, ProbeVerdict::Collided),
                  L"{\"port\": \"COM5\", \"baud\": 19200, \"address\": 255, \"problem\": \"collision\"}");
        EXPECT_EQ(ProbeProblemJson(L"COM5", 19200, 9, ProbeVerdict::Damaged),
                  L"{\"port\": \"COM5\", \"baud\": 19200, \"address\": 9, \"problem\": \"checksum\"}");
        EXPECT_EQ(ProbeProblemJson(L"COM5", 19200, 9, ProbeVerdict::Silent), L"");
    }
}

}  // namespace
