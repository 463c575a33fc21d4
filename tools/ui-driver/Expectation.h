// The condition of an expect command: = exact, != not exact, ~ wildcard match, !~ no match.
#pragma once

#include "QueryValue.h"

#include <string>

struct CExpectation
{
    enum EComparison { Equal, NotEqual, Matches, NotMatches };

    EComparison comparison = Equal;
    std::string expected;

    bool IsMetBy(const CQueryValue& value) const;
};

// The comparison an operator word names; false when it names none.
bool ParseComparison(const std::string& word, CExpectation::EComparison& comparison);
