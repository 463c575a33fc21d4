// Keeping the newest trace visible in a bounded box.
#include <gtest/gtest.h>

#include <string>

#include "ui/pages/TraceTrim.h"

namespace {

// Applies a plan the way the page does.
std::wstring Append(const std::wstring& box, const std::wstring& incoming, std::size_t capacity)
{
    const TraceCut cut = PlanTraceAppend(box, incoming, capacity);
    return box.substr(cut.boxDrop) + incoming.substr(cut.incomingSkip);
}

std::wstring Line(int n)
{
    std::wstring text = L"Tx;" + std::to_wstring(n);
    text.resize(18, L' ');
    return text + L"\r\n";  // 20 characters
}

} // namespace

TEST(TraceTrim, CutsWholeOldestLinesDownToThreeQuarters)
{
    struct Case {
        std::wstring box;
        std::wstring incoming;
        std::size_t capacity;
        std::wstring result;
    };
    const Case cases[] = {
        {Line(1), Line(2), 40, Line(1) + Line(2)},                        // fits exactly
        {Line(1) + Line(2), Line(3), 40, Line(3)},                        // 30 of 40 kept at most
        {Line(1) + Line(2) + Line(3), Line(4), 79, Line(2) + Line(3) + Line(4)},
        {Line(1), Line(2) + Line(3) + Line(4), 40, Line(4)},              // incoming alone too long
        {L"", std::wstring(50, L'x'), 40, std::wstring(30, L'x')},         // one endless line
        {L"abc", L"", 2, L""},                                            // no line end in the box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "capacity " << c.capacity << " box " << c.box.size());
        EXPECT_EQ(Append(c.box, c.incoming, c.capacity), c.result);
    }
}

TEST(TraceTrim, AnEndlessSessionStaysWithinCapacityAndShowsTheNewestFrame)
{
    const std::size_t capacity = 1000;
    std::wstring box;
    for (int n = 0; n < 5000; ++n) {
        box = Append(box, Line(n), capacity);
        ASSERT_LE(box.size(), capacity);
        ASSERT_EQ(box.substr(box.size() - 20), Line(n));
        ASSERT_EQ(box.substr(0, 3), L"Tx;");  // starts at a line start
    }
}
