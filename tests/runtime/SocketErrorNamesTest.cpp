// Names of the socket library's error codes in the diagnostic log.
#include "runtime/SocketErrorNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
TEST(SocketErrorNames, NamesExactlyTheCodesOfTheLibrary)
{
    // 10004, 10009, 10013, 10014, 10022, 10024, 10035..10071, 10091..10093, 10101..10112
    std::set<int> named = {10004, 10009, 10013, 10014, 10022, 10024};
    for (int code = 10035; code <= 10071; ++code)
        named.insert(code);
    for (int code = 10091; code <= 10093; ++code)
        named.insert(code);
    for (int code = 10101; code <= 10112; ++code)
        named.insert(code);
    ASSERT_EQ(named.size(), 58u);
    EXPECT_EQ(SocketErrorNameCount(), named.size());
    std::set<std::string> names;
    for (int code = 9990; code <= 11010; ++code) {
        SCOPED_TRACE(code);
        const char* name = SocketErrorName(code);
        EXPECT_EQ(name != nullptr, named.count(code) == 1);
        if (name != nullptr)
            names.insert(name);
    }
    EXPECT_EQ(names.size(), 58u); // no name given twice
    EXPECT_EQ(SocketErrorName(0), nullptr);
    EXPECT_EQ(SocketErrorName(-10061), nullptr);
}

TEST(SocketErrorNames, CommonCodes)
{
    const std::pair<int, const char*> cases[] = {
        {10035, "WSAEWOULDBLOCK"},    {10053, "WSAECONNABORTED"}, {10061, "WSAECONNREFUSED"},
        {10093, "WSANOTINITIALISED"}, {10110, "WSA_E_NO_MORE"},   {10112, "WSAEREFUSED"},
        {10004, "WSAEINTR"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_STREQ(SocketErrorName(code), name) << code;
}
}
