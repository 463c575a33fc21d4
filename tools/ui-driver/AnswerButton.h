// The buttons of a message box by their captions' names, as their dialog ids.
#pragma once

#include <string>

// OK, Cancel, Abort, Retry, Ignore, Yes, No, Close, Help, TryAgain, Continue (any case), or a
// decimal control id. Throws CScriptError otherwise.
int ParseAnswerButton(const std::string& word);
