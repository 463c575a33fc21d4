// Makes the chosen interface language current for the interface thread.
#pragma once

#include "ui/app/InterfaceLanguage.h"

// Settles the language (see SettleInterfaceLanguage) with the user's default language and
// applies it: thread locale, the run-time library's character classes, the thread's interface
// language where the system offers it, and the language of every resource loaded from now on.
// Without a language nothing changes and the system's own choice applies. Returns the index.
unsigned StartInterfaceLanguage(unsigned chosen, LanguageStore store);
