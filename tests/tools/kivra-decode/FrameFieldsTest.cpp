// Tests of decoded frame contents beyond the example trace: other requests, data subcodes,
// answers the tool ignores, and LLS frames without values.
#include "FrameFields.h"

#include "tests/common/FrameBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Bytes Request(uint8_t code, const Bytes& payload)
{
    Bytes bytes{0x41, static_cast<uint8_t>(payload.size()), 255, code};
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return WithChecksum(bytes);
}

std::string Fields(CJson (*decode)(const uint8_t*, unsigned), const Bytes& frame)
{
    return decode(frame.data(), static_cast<unsigned>(frame.size())).Serialise();
}

} // namespace

TEST(FrameFields, Requests)
{
    struct Case {
        const char* name;
        Bytes frame;
        const char* fields;
    };
    const Case cases[] = {
        {"firmware block", Request(0x03, {0x78, 0x56, 0x34, 0x12, 0x00, 0x01, 0, 0, 2, 0, 0, 0, 0xAA, 0xBB}),
         R"({"check_value":305419896,"position":256,"block_length":2})"},
        {"firmware block, nothing left", Request(0x03, {}), R"({"block_length":0})"},
        {"firmware block too short for its header", Request(0x03, {1, 2, 3}), "{}"},
        {"test command", Request(0x2E, {0x01, 0x5A}), R"({"value":90})"},
        {"settings write with wrong markers", Request(0x2C, Join({{0xFF, 0x03}, Bytes(96, 0)})), "{}"},
        {"restart", Request(0x01, {}), "{}"},
        {"unknown code", Request(0x77, {1}), "{}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Fields(RequestFields, c.frame), c.fields) << c.name;
}

TEST(FrameFields, Answers)
{
    Bytes status = Join({{0x00, 0x01, 0, 0, 0, 0, 0, 0}, {0x46, 0x57, 0x30, 0x31, 0x1C, 0, 0, 0, 0x11, 0x22, 0x33, 0x44,
                                                          7, 0, 0, 0, 0x81, 0x0C, 0, 0, 0x18, 0, 0, 0}});
    Bytes unknownModel(32, 0);
    unknownModel[24] = 0x39; // device type 57
    struct Case {
        const char* name;
        Bytes frame;
        const char* fields;
    };
    const Case cases[] = {
        {"acknowledge refused", Response(1, 0x00, {2}), R"({"status":2,"accepted":false})"},
        {"download status", Response(1, 0x02, status),
         R"({"received":256,"block_limit":0,"image":{"size":28,"check_value":1144201745,"firmware_version":7,"device_type":3201}})"},
        {"unknown model", Response(1, 0x01, unknownModel), R"({"firmware_version":0,"device_type":57,"model":null})"},
        {"diagnostics", Response(1, 0x28, {3, 1, 0x05, 0, 0, 0, 0, 0x10, 0, 0, 0}),
         R"({"subcode":3,"c":1,"t":0,"a":1,"sw":16})"},
        {"subcode 4 without readings", Response(1, 0x28, {4, 1, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x05, 0x00}),
         R"({"subcode":4,"temperature":null,"angle":null,"lls":[null,5]})"},
        {"subcode 5", Response(1, 0x28, Join({{5, 1, 0x9C, 0xFF, 0x10, 0x27, 1, 0, 2, 0}, {0, 0, 0x80, 0x3F},
                                               {0, 0, 0, 0}, {0, 0, 0, 0xC0}, {0x32, 0, 0xEE, 0xEE}})),
         R"({"subcode":5,"temperature":-1,"angle":100,"lls":[1,2],"vector":[1,0,-2],"auxiliary":0.5})"},
        {"subcode 6 with an extra value without reading", Response(1, 0x28, Join({{6, 1}, Bytes(12, 0), {0x01, 0, 0, 0},
                                                                          {0x00, 0x80}})),
         R"({"subcode":6,"temperature":0,"angle":0,"lls":[0,0],"output_values":[0,0],"extras":[{"code":0,"value":null}]})"},
        {"code the tool does not interpret", Response(1, 0x2E, {0}), R"({"ignored":"code not interpreted"})"},
        {"acknowledge without status", Response(1, 0x00, {}), R"({"ignored":"too short or wrong marker bytes"})"},
        {"data without marker", Response(1, 0x28, {4, 2}), R"({"ignored":"too short or wrong marker bytes"})"},
        {"subcode 6 missing the extras its mask announces",
         Response(1, 0x28, Join({{6, 1}, Bytes(12, 0), {0x07, 0, 0, 0}, {1, 0, 2, 0}})),
         R"({"ignored":"record too short for its subcode"})"},
        {"unknown subcode", Response(1, 0x28, {9, 1, 0, 0}), R"({"ignored":"record too short for its subcode"})"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Fields(ResponseFields, c.frame), c.fields) << c.name;
}

TEST(FrameFields, LlsFramesCarryValuesOnlyInDataAnswers)
{
    EXPECT_EQ(Fields(LlsFields, Lls(3, 7, {0xF6, 0x01, 0x00, 0x02, 0x00})),
              R"({"temperature":-10,"parameter1":1,"parameter2":2})");
    EXPECT_EQ(Fields(LlsFields, Lls(3, 7, {0x00})), "{}");
    EXPECT_EQ(Fields(LlsFields, Lls(3, 2, {1, 2, 3, 4})), "{}");
}
