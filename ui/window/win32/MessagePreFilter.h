// The thread's message pre-filter: a function that sees every message our dialogs'
// modal loops take from the queue before the dialog does (before IsDialogMessage,
// TranslateMessage and DispatchMessage). Returning true consumes the message.
//
// It runs at loop level, not in a hook, so a filter may itself open modal dialogs;
// their loops call it too. Loops that the system runs (message boxes, the file
// dialog) do not call it. One filter per thread; setting another replaces it.
#pragma once

#include <windows.h>

#include <functional>

using MessagePreFilter = std::function<bool(MSG&)>;

// Sets (or with an empty function removes) the calling thread's filter; the previous one.
MessagePreFilter SetMessagePreFilter(MessagePreFilter filter);

// Offers a message to the calling thread's filter: true when it consumed it.
bool PreFilterMessage(MSG& message);
