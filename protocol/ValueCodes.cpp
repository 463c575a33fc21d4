// The value codes: sensor quantities that feed the LLS parameters and the outputs.
#include "protocol/ValueCodes.h"

#include "protocol/FormatText.h"
#include "runtime/ResourceText.h"

namespace {

constexpr unsigned kNameIds[kNamedValueCodes] = {
    109, 110, 111, 142, 143, 113, 114, 115, 116, 117, 118,
    119, 127, 131, 83,  84,  85,  86,  87,  88,  92,
};

} // namespace

unsigned ValueCodeStringId(unsigned code)
{
    return code < kNamedValueCodes ? kNameIds[code] : 0;
}

std::wstring ValueCodeName(unsigned code)
{
    const unsigned id = ValueCodeStringId(code);
    return id != 0 ? LoadResourceText(id) : FormatText(L"%u", code);
}
