// Host-build stand-in for a window: whatever receives posts and timer requests.
#pragma once

#include <cstdint>

// A host program or test passes the address of one of these where a window
// handle is expected; it sees every post and timer request made to "its" window.
class TNativeWindow
{
public:
    virtual bool OnPost(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void OnSetTimer(std::uintptr_t id, unsigned milliseconds) = 0;

protected:
    ~TNativeWindow() = default;
};
