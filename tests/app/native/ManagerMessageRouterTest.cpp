// The manager's window messages: channel events and ticks reach the manager, change bits the window.
#include "remote/DeviceCommandProcessor.h"
#include "runtime/native/NativeWindow.h"
#include "ui/app/ManagerMessageRouter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr unsigned kChannel = 0xC101;
constexpr unsigned kUpdate = 0xC102;

// Sees the manager re-arm its timer, which it does after every message it took.
class CTimerWindow : public TNativeWindow
{
public:
    bool OnPost(unsigned, std::uintptr_t, std::intptr_t) override { return true; }
    void OnSetTimer(std::uintptr_t id, unsigned milliseconds) override { armed.push_back({id, milliseconds}); }

    struct Arm {
        std::uintptr_t id;
        unsigned ms;
    };
    std::vector<Arm> armed;
};

TEST(ManagerMessageRouter, RoutesTheManagersMessagesOnly)
{
    CTimerWindow window;
    CRefPtr<CDeviceCommandProcessor> held(new CDeviceCommandProcessor);
    CDeviceCommandProcessor& manager = *held;
    CManagerMessageRouter router(kChannel, kUpdate);
    std::vector<unsigned> updates;
    int afterEvent = 0;
    EXPECT_FALSE(router.Route(kChannel, 0, 0));  // not attached yet
    router.Attach(manager, &window, [&](unsigned bits) { updates.push_back(bits); }, [&] { ++afterEvent; });

    struct Case {
        unsigned message;
        std::uintptr_t wParam;
        bool routed;
        std::size_t armed;  // timer arms so far
        int afterEvent;     // looks at the manager so far
        std::size_t updates;
    };
    const Case cases[] = {
        {kChannel, 0, true, 1, 1, 0},              // channel event: the manager re-arms its timer
        {kTimerMessage, kManagerTimerId, true, 2, 2, 0},
        {kTimerMessage, 7, true, 2, 3, 0},        // another timer: offered, the manager leaves it
        {kUpdate, 0x802, true, 2, 3, 1},
        {0x0200, 0, false, 2, 3, 1},               // anything else is the window's own
    };
    for (const Case& c : cases) {
        EXPECT_EQ(router.Route(c.message, c.wParam, 0), c.routed) << std::hex << c.message;
        EXPECT_EQ(window.armed.size(), c.armed) << std::hex << c.message;
        EXPECT_EQ(afterEvent, c.afterEvent) << std::hex << c.message;
        EXPECT_EQ(updates.size(), c.updates) << std::hex << c.message;
    }
    EXPECT_EQ(updates.back(), 0x802u);
    ASSERT_FALSE(window.armed.empty());
    EXPECT_EQ(window.armed.back().id, kManagerTimerId);
    EXPECT_EQ(window.armed.back().ms, 10000u);  // nothing pending

    router.Detach();
    EXPECT_FALSE(router.Route(kUpdate, 1, 0));
    EXPECT_EQ(updates.size(), 1u);
}

}  // namespace
