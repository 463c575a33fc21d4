// Host stand-in for string-table texts: host builds carry no resources, so a
// text names its entry ("#110") and host output stays readable and distinct.
#include "runtime/ResourceText.h"

std::wstring LoadResourceText(unsigned id)
{
    return L"#" + std::to_wstring(id);
}
