// Fixture of the session tests: a session on a scripted owner, a settable clock, a scripted sensor.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "PayloadBuilder.h"
#include "ScriptedOwner.h"
#include "protocol/KivraProcessor.h"
#include "protocol/LittleEndian.h"
#include "protocol/SensorCodes.h"
#include "protocol/SettingsBlock.h"
#include "runtime/ProcessClock.h"
#include "runtime/ResourceText.h"
#include "runtime/SettableClockSource.h"

constexpr uint32_t kSupportedType = 3201;
constexpr uint32_t kTestSerial = 4711;

// A file's whole content, as the tests compare logs byte for byte.
inline std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A firmware image header (also what the sensor reports about its images).
inline Bytes ImageHeader(uint32_t size, uint32_t check, uint32_t version = 9, uint32_t type = kSupportedType)
{
    Bytes header(24);
    PutU32(header.data(), 0x31305746);
    PutU32(header.data() + 4, size);
    PutU32(header.data() + 8, check);
    PutU32(header.data() + 12, version);
    PutU32(header.data() + 16, type);
    PutU32(header.data() + 20, 24);
    return header;
}

// The identification record; the installed image header, when given, brings its own version and type.
inline Bytes IdentificationPayload(uint32_t version, uint32_t type, const Bytes& installed = {})
{
    Bytes payload(32, 0);
    const Bytes header = installed.empty() ? ImageHeader(1000, 0xABCD, version, type) : installed;
    std::copy(header.begin(), header.begin() + 24, payload.begin() + 8);
    return payload;
}

// A block that passes validation for every firmware version.
inline SettingsBlock ValidSettings(uint32_t serial = kTestSerial, uint8_t address = 5)
{
    SensorSettings s;
    s.serialNumber = serial;
    s.networkAddress = address;
    s.outputInterval = 1;
    s.approximationInterval = 100;
    s.zeroReference[2] = 1.0f;
    s.angle.inactive = RangeRecord{kRangeInRange, 3, 0, 10};
    s.angle.active = RangeRecord{kRangeInRange, 4, 20, 180};
    s.angleThreshold = 5;
    return EncodeSettings(s);
}

inline Bytes SettingsAnswer(const SettingsBlock& block)
{
    Bytes payload(2 + block.size());
    payload[0] = 0xFF;
    payload[1] = 0x02;
    std::copy(block.begin(), block.end(), payload.begin() + 2);
    return payload;
}

// A data answer payload: subcode, marker, then the 16-bit values, floats and further 16-bit values.
inline Bytes DataAnswer(uint8_t subcode, std::initializer_list<int16_t> values, std::initializer_list<float> floats = {},
                        std::initializer_list<int16_t> tail = {})
{
    PayloadBuilder payload;
    payload.U8(subcode).U8(0x01).S16s(values);
    for (float f : floats)
        payload.F32(f);
    return payload.S16s(tail).Bytes();
}

inline std::wstring Text(unsigned id)
{
    return LoadResourceText(id);
}

// Where the session puts the data log of a sensor with this serial number.
inline std::filesystem::path DataLogPath(uint32_t serial)
{
    wchar_t folder[TProcessClock::kMaxPath + 1];
    uint32_t size = TProcessClock::kMaxPath + 1;
    if (!GetModuleDirectory(&size, folder))
        return {};
    return std::filesystem::path(std::wstring(folder) + L"GearLog_" + std::to_wstring(serial) + L".txt");
}

class SessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ProcessClock().UseSource(&clock);
        clock.SetMilliseconds(5'000'000);
    }
    void TearDown() override
    {
        session.SetDataLog(DataLogMode::Off);
        std::error_code ignored;
        std::filesystem::remove_all(DataLogPath(kTestSerial), ignored);
        ProcessClock().UseSource(nullptr);
    }

    void Answer(uint8_t code, const Bytes& payload, uint8_t address = 255)
    {
        owner.Receive(Response(address, code, payload));
        session.OnReceive();
    }
    void Acknowledge(uint8_t status) { Answer(0x00, {status}); }

    // The armed timer runs out.
    void Expire()
    {
        clock.AdvanceMilliseconds(owner.TimerMs());
        session.OnTimeout();
    }

    const Bytes& LastSent() const { return owner.sent.back(); }
    uint8_t LastCode() const { return LastSent().at(3); }
    Bytes LastPayload() const { return Bytes(LastSent().begin() + 4, LastSent().end() - 1); }
    size_t SentCount() const { return owner.sent.size(); }

    // Start, identification and settings: the session is polling afterwards.
    void Connect(uint32_t version = 8, const SettingsBlock& block = ValidSettings())
    {
        session.Start();
        Answer(0x01, IdentificationPayload(version, kSupportedType));
        Answer(0x2B, SettingsAnswer(block));
    }

    TSettableClockSource clock;
    CScriptedOwner owner;
    CKivraProcessor session{owner};
};
