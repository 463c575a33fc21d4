// Keeping the newest communication trace visible.
#include "ui/pages/TraceTrim.h"

namespace {

// The length of text's oldest part that must go so that at most keep characters remain,
// extended to the end of the line it stops in (the whole text when no line ends there).
std::size_t DropThroughLineEnd(std::wstring_view text, std::size_t keep)
{
    if (text.size() <= keep)
        return 0;
    const std::size_t need = text.size() - keep;
    const std::size_t lineEnd = text.find(L'\n', need - 1);
    return lineEnd == std::wstring_view::npos ? text.size() : lineEnd + 1;
}

} // namespace

TraceCut PlanTraceAppend(std::wstring_view box, std::wstring_view incoming, std::size_t capacity)
{
    TraceCut cut;
    if (box.size() + incoming.size() <= capacity)
        return cut;
    const std::size_t target = capacity - capacity / 4;
    if (incoming.size() >= target) {
        cut.boxDrop = box.size();
        cut.incomingSkip = DropThroughLineEnd(incoming, target);
        // One line longer than the target: keep its newest part.
        if (cut.incomingSkip == incoming.size())
            cut.incomingSkip = incoming.size() - target;
        return cut;
    }
    cut.boxDrop = DropThroughLineEnd(box, target - incoming.size());
    return cut;
}
