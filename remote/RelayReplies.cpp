// The relay server's reply lines.
#include "remote/RelayReplies.h"

namespace RelayReply
{
const CKeywordEntry Ok{"@OK", ",", 0, 16, true};
const CKeywordEntry Error{"@ERR:", ",", 1, 16, true};
const CKeywordEntry List{"@LST:", ",", 2, 16, true};
}
