// Keeping the newest communication trace visible in a text box of bounded size.
#pragma once

#include <cstddef>
#include <string_view>

// What to cut before appending: the oldest characters of the box, and the oldest
// characters of the incoming text (only when that alone would not fit).
struct TraceCut {
    std::size_t boxDrop = 0;
    std::size_t incomingSkip = 0;
};

// box: the text the box holds; incoming: the text to append; capacity: the most characters
// the box may hold. When both fit, nothing is cut. Otherwise whole oldest lines go until
// box and incoming together take at most three quarters of the capacity, so that trimming
// happens once per quarter of the capacity rather than with every frame. A single line
// longer than that is cut inside.
TraceCut PlanTraceAppend(std::wstring_view box, std::wstring_view incoming, std::size_t capacity);
