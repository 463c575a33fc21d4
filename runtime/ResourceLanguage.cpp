// The current resource language, English until start-up chooses.
#include "runtime/ResourceLanguage.h"

#include <atomic>

namespace {
std::atomic<unsigned short> s_language{kLangEnglish};
}

void SetResourceLanguage(unsigned short langId) { s_language = langId; }

unsigned short GetResourceLanguage() { return s_language.load(); }
