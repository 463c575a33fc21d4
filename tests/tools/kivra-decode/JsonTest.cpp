// Tests of the JSON writer: escaping, numbers and nesting.
#include "Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Json, ValuesAndNesting)
{
    struct Case {
        const char* name;
        CJson value;
        const char* text;
    };
    const Case cases[] = {
        {"null", CJson(), "null"},
        {"booleans", CJson::Array().Append(CJson::Boolean(true)).Append(CJson::Boolean(false)), "[true,false]"},
        {"integers", CJson::Array().Append(CJson::Integer(-7)).Append(CJson::Integer(4294967295LL)), "[-7,4294967295]"},
        {"hundredths", CJson::Real(2345 / 100.0), "23.45"},
        {"whole real", CJson::Real(13.0), "13"},
        {"float keeps its own digits", CJson::Real(0.1f), "0.1"},
        {"NaN", CJson::Real(std::nan("")), "null"},
        {"infinity", CJson::Real(std::numeric_limits<float>::infinity()), "null"},
        {"escapes", CJson::Text("a\"b\\c\n\r\t\x01"), R"("a\"b\\c\n\r\t\u0001")"},
        {"empty object", CJson::Object(), "{}"},
        {"members in order",
         CJson::Object().Set("z", CJson::Integer(1)).Set("a", CJson::Array()).Set("m", CJson::Object().Set("k", CJson())),
         R"({"z":1,"a":[],"m":{"k":null}})"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value.Serialise(), c.text) << c.name;
}
