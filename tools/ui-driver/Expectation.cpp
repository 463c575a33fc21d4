#include "Expectation.h"

#include "Wildcard.h"

bool CExpectation::IsMetBy(const CQueryValue& value) const
{
    const std::string compared = value.Compared();
    switch (comparison) {
    case Equal:
        return compared == expected;
    case NotEqual:
        return compared != expected;
    case Matches:
        return WildcardMatch(expected, compared);
    case NotMatches:
        return !WildcardMatch(expected, compared);
    }
    return false;
}

bool ParseComparison(const std::string& word, CExpectation::EComparison& comparison)
{
    const struct {
        const char* word;
        CExpectation::EComparison comparison;
    } operators[] = {{"=", CExpectation::Equal}, {"!=", CExpectation::NotEqual}, {"~", CExpectation::Matches}, {"!~", CExpectation::NotMatches}};
    for (const auto& op : operators) {
        if (word == op.word) {
            comparison = op.comparison;
            return true;
        }
    }
    return false;
}
