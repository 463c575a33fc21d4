// The system's reason for a failure and the one way it follows a product message.
#include <gtest/gtest.h>

#include <string>

#include "runtime/ErrorCodes.h"
#include "runtime/SystemReason.h"

namespace {

TEST(SystemReason, TheSystemsTextWithoutItsLineEnd)
{
    for (const TErrorCode code : {errc::kFileNotFound, errc::kAccessDenied, errc::kDiskFull}) {
        const std::wstring text = SystemReasonText(code);
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_EQ(text.find_last_not_of(L" \t\r\n"), text.size() - 1) << code;
        EXPECT_NE(text[0], L'#') << code;
    }
}

TEST(SystemReason, ACodeWithoutTextGivesItsNumber)
{
    // The library's own codes have no text in the program's tables.
    EXPECT_EQ(SystemReasonText(0x2000000A), L"#536870922");
    EXPECT_EQ(SystemReasonText(0x20001000), L"#536875008");
}

TEST(SystemReason, FollowsTheMessageOnItsLineOrAfterAColon)
{
    const std::wstring reason = SystemReasonText(errc::kFileNotFound);
    struct Case {
        TErrorCode code;
        ReasonPlacement placement;
        std::wstring expected;
    };
    const Case cases[] = {
        {errc::kFileNotFound, ReasonPlacement::OwnLine, L"cannot read a.json\r\n" + reason},
        {errc::kFileNotFound, ReasonPlacement::SameLine, L"cannot read a.json: " + reason},
        // No failure recorded: the system's text for 0 would say that all went well.
        {0, ReasonPlacement::OwnLine, L"cannot read a.json"},
        {0, ReasonPlacement::SameLine, L"cannot read a.json"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithSystemReason(L"cannot read a.json", c.code, c.placement), c.expected) << c.code;
    EXPECT_EQ(WithSystemReason(L"m", errc::kFileNotFound), L"m\r\n" + reason);
}

}  // namespace
