// Numeric expressions of resource scripts (ids, languages): numbers and defined names
// joined with + - | and parentheses, as the preprocessor would expand them.
#pragma once

#include <map>
#include <string>

#include "tools/rc-strings/RcLexer.h"

namespace rcstrings {

// A stream of tokens with one token of look-ahead.
class RcTokenFeed {
public:
    virtual ~RcTokenFeed() = default;
    virtual const RcToken& Current() const = 0;
    virtual bool Advance() = 0;                       // false on a fault already reported
    virtual bool Fail(const std::string& message) = 0;  // reports a fault, returns false
};

using RcDefines = std::map<std::string, std::string>;  // name -> body text

// Evaluates the expression that starts at feed.Current() and leaves the feed on the first
// token after it. Defined names are expanded from their bodies.
bool EvaluateRcExpression(RcTokenFeed& feed, const RcDefines& defines, long& value);

// The value of one defined name; false with the cause in why when it is not a number.
bool EvaluateRcDefine(const std::string& name, const RcDefines& defines, long& value,
                      std::string& why);

}  // namespace rcstrings
