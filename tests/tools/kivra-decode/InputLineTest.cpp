// Tests of input line recognition: trace lines, hexadecimal lines, comments and rejects.
#include "InputLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(InputLine, FormsOfInput)
{
    using Bytes = std::vector<uint8_t>;
    struct Case {
        const char* line;
        CInputLine::EKind kind;
        EDirection direction;
        Bytes bytes;
    };
    const Case cases[] = {
        {"Tx;41 00 FF 00 EE ", CInputLine::Trace, EDirection::Tx, {0x41, 0x00, 0xFF, 0x00, 0xEE}},
        {"Rx;42 00 ff 00 30\r", CInputLine::Trace, EDirection::Rx, {0x42, 0x00, 0xFF, 0x00, 0x30}},
        {"12:34:56;Rx;3E ", CInputLine::Trace, EDirection::Rx, {0x3E}},
        {"12:34:56.789;Tx;41 ", CInputLine::Trace, EDirection::Tx, {0x41}},
        {"Rx;42 01 !", CInputLine::Trace, EDirection::Rx, {0x42, 0x01}},
        {"Rx;", CInputLine::Trace, EDirection::Rx, {}},
        {"  4100FF\t00 EE  ", CInputLine::Hex, EDirection::None, {0x41, 0x00, 0xFF, 0x00, 0xEE}},
        {"", CInputLine::Empty, EDirection::None, {}},
        {"   \t", CInputLine::Empty, EDirection::None, {}},
        {"# a comment", CInputLine::Empty, EDirection::None, {}},
        {"41 0", CInputLine::Invalid, EDirection::None, {}},
        {"Tx;41 0G", CInputLine::Invalid, EDirection::Tx, {}},
        {"tx;41", CInputLine::Invalid, EDirection::None, {}},
        {"Rx;42 ! 01", CInputLine::Invalid, EDirection::Rx, {}},
        {"1:23:45;Rx;42", CInputLine::Invalid, EDirection::None, {}},
    };
    for (const Case& c : cases) {
        const CInputLine parsed = ParseInputLine(c.line);
        EXPECT_EQ(parsed.kind, c.kind) << '"' << c.line << '"';
        EXPECT_EQ(parsed.direction, c.direction) << '"' << c.line << '"';
        EXPECT_EQ(parsed.bytes, c.bytes) << '"' << c.line << '"';
    }
}
