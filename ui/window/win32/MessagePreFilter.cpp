// The per-thread message pre-filter.
#include "ui/window/win32/MessagePreFilter.h"

#include <utility>

namespace {
thread_local MessagePreFilter t_filter;
}

MessagePreFilter SetMessagePreFilter(MessagePreFilter filter)
{
    return std::exchange(t_filter, std::move(filter));
}

bool PreFilterMessage(MSG& message)
{
    if (!t_filter)
        return false;
    // A filter may replace itself while it runs; the copy keeps this call's target alive.
    const MessagePreFilter filter = t_filter;
    return filter(message);
}
