// Where on the angle axis a discrete output that follows the angle is meant to be active and not.
#include "ui/chart/AngleBands.h"

#include "protocol/RangeText.h"

#include <algorithm>

namespace {

using Pieces = std::vector<ValueRange>;

// What a condition covers of the angle's range, without regard to the other condition.
Pieces Covered(const RangeRecord& record)
{
    const ValueRange full = kAngleRange;
    Pieces pieces;
    if (record.kind == kRangeInRange)
        pieces.push_back({double(record.low), double(record.high)});
    else if (record.kind == kRangeOutOfRange)
        pieces = {{full.low, double(record.low)}, {double(record.high), full.high}};
    Pieces clipped;
    for (ValueRange piece : pieces) {
        piece.low = std::max(piece.low, full.low);
        piece.high = std::min(piece.high, full.high);
        if (piece.low < piece.high)
            clipped.push_back(piece);
    }
    return clipped;
}

// The angle's range outside the pieces ("in other values").
Pieces Rest(Pieces pieces)
{
    std::sort(pieces.begin(), pieces.end(), [](const ValueRange& a, const ValueRange& b) { return a.low < b.low; });
    Pieces rest;
    double from = kAngleRange.low;
    for (const ValueRange& piece : pieces) {
        if (piece.low > from)
            rest.push_back({from, piece.low});
        from = std::max(from, piece.high);
    }
    if (from < kAngleRange.high)
        rest.push_back({from, kAngleRange.high});
    return rest;
}

Pieces StateCovers(const RangeRecord& own, const RangeRecord& other)
{
    if (own.kind != kRangeOtherValues)
        return Covered(own);
    // Both "in other values" says nothing; such settings do not validate.
    return other.kind == kRangeOtherValues ? Pieces() : Rest(Covered(other));
}

bool SameConditions(const OutputRecord& a, const OutputRecord& b)
{
    const auto same = [](const RangeRecord& x, const RangeRecord& y) {
        return x.kind == y.kind && x.low == y.low && x.high == y.high;
    };
    return a.valueCode == b.valueCode && same(a.conditions.inactive, b.conditions.inactive) &&
           same(a.conditions.active, b.conditions.active);
}

bool ParseEdited(const OutputTexts& texts, OutputRecord& record)
{
    if (texts.valueCode < 0)
        return false;
    record = OutputRecord{};
    record.valueCode = static_cast<std::uint8_t>(texts.valueCode);
    if (record.valueCode == 0)
        return true;
    RangeRecord* records[] = {&record.conditions.inactive, &record.conditions.active};
    const RangeTexts* sources[] = {&texts.conditions.inactive, &texts.conditions.active};
    for (int i = 0; i < 2; ++i) {
        if (sources[i]->kind < kRangeOtherValues || sources[i]->kind > kRangeOutOfRange)
            return false;
        records[i]->kind = static_cast<std::uint8_t>(sources[i]->kind);
        if (!ParseRange(sources[i]->range, PlainNumberKind::Unsigned, records[i]->low, records[i]->high))
            return false;
    }
    return true;
}

}  // namespace

std::vector<AngleBand> OutputAngleBands(const OutputRecord& record, int output)
{
    std::vector<AngleBand> bands;
    if (record.valueCode != kAngleValueCode)
        return bands;
    const ConditionPair& pair = record.conditions;
    for (const ValueRange& piece : StateCovers(pair.inactive, pair.active))
        bands.push_back(AngleBand{output, false, piece, false});
    for (const ValueRange& piece : StateCovers(pair.active, pair.inactive))
        bands.push_back(AngleBand{output, true, piece, false});
    return bands;
}

std::vector<AngleBand> ChartAngleBands(const OutputRecord (&written)[2], const OutputTexts (&edited)[2])
{
    std::vector<AngleBand> bands;
    for (int output = 0; output < 2; ++output) {
        OutputRecord shown;
        const bool parsed = ParseEdited(edited[output], shown);
        if (!parsed)
            shown = written[output];
        const bool unwritten = parsed && !SameConditions(shown, written[output]);
        for (AngleBand band : OutputAngleBands(shown, output)) {
            band.unwritten = unwritten;
            bands.push_back(band);
        }
    }
    return bands;
}
