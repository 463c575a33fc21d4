// Messages asked for while the manager handles an event are shown only afterwards, in order,
// each once, also when showing one runs a message loop that brings more.
#include <gtest/gtest.h>

#include "ui/main/DeferredPrompt.h"

#include <string>
#include <vector>

namespace {
struct Recorder
{
    int requests = 0;
    std::vector<std::wstring> shown;
};
}

TEST(DeferredPrompt, ShowsNothingWhileTheHandlingRunsThenAllInOrder)
{
    Recorder r;
    CDeferredPrompt prompt([&r] { ++r.requests; });
    prompt.ShowMessage(L"first");
    prompt.ShowMessage(L"second");
    EXPECT_TRUE(r.shown.empty());
    EXPECT_EQ(r.requests, 1);  // one posted request for the batch
    prompt.Deliver([&r](const std::wstring& text) { r.shown.push_back(text); });
    EXPECT_EQ(r.shown, (std::vector<std::wstring>{L"first", L"second"}));
    EXPECT_FALSE(prompt.HasWaiting());
    // A later message asks again; a delivery with nothing waiting shows nothing.
    prompt.ShowMessage(L"third");
    EXPECT_EQ(r.requests, 2);
    prompt.Deliver([&r](const std::wstring& text) { r.shown.push_back(text); });
    prompt.Deliver([&r](const std::wstring& text) { r.shown.push_back(text); });
    EXPECT_EQ(r.shown.size(), 3u);
}

TEST(DeferredPrompt, AMessageArrivingWhileOneIsShownFollowsItAndARepeatedRequestShowsNothingTwice)
{
    Recorder r;
    CDeferredPrompt prompt([&r] { ++r.requests; });
    prompt.ShowMessage(L"image unreadable");
    std::function<void(const std::wstring&)> show;
    show = [&](const std::wstring& text) {
        r.shown.push_back(text);
        if (text == L"image unreadable") {
            // The message box's loop lets the manager run: it asks for another message, and the
            // delivery request posted earlier arrives inside the loop.
            prompt.ShowMessage(L"connection lost");
            prompt.Deliver(show);
            EXPECT_EQ(r.shown.size(), 1u);
        }
    };
    prompt.Deliver(show);
    EXPECT_EQ(r.shown, (std::vector<std::wstring>{L"image unreadable", L"connection lost"}));
    EXPECT_EQ(r.requests, 1);
    EXPECT_FALSE(prompt.HasWaiting());
}
